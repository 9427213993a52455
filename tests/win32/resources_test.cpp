// The resources compiled into the built wallo.exe, read back from the file.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/test_files.h"

namespace {

class ExeResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    module =
        LoadLibraryExA((ProgramFolder() + "wallo.exe").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
  }
  static void TearDownTestSuite() { FreeLibrary(module); }

  // The bytes of one resource in Japanese, empty when it is missing.
  static std::string Resource(LPCSTR type, LPCSTR name) {
    HRSRC found = FindResourceExA(module, type, name, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (!found) return std::string();
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
  }

  static HMODULE module;
};
HMODULE ExeResources::module;

// Reads a dialog template field by field.
struct TemplateReader {
  const BYTE* at;
  WORD Word() {
    WORD value;
    memcpy(&value, at, 2);
    at += 2;
    return value;
  }
  DWORD Dword() {
    DWORD value;
    memcpy(&value, at, 4);
    at += 4;
    return value;
  }
  std::wstring String() {
    std::wstring text;
    for (WORD c; (c = Word()) != 0;) text += static_cast<wchar_t>(c);
    return text;
  }
  // A name or an ordinal; ordinals of the standard classes become names.
  std::wstring NameOrOrdinal() {
    WORD first;
    memcpy(&first, at, 2);
    if (first == 0) return Word(), L"";
    if (first != 0xFFFF) return String();
    Word();
    WORD ordinal = Word();
    if (ordinal == 0x80) return L"BUTTON";
    if (ordinal == 0x82) return L"STATIC";
    return L"#" + std::to_wstring(ordinal);
  }
  void AlignToDword(const BYTE* start) {
    while ((at - start) % 4) ++at;
  }
};

std::wstring Upper(std::wstring text) {
  for (wchar_t& c : text) c = towupper(c);
  return text;
}

struct Control {
  DWORD id;
  const wchar_t* className;
  DWORD style;
  short x, y, cx, cy;
  const wchar_t* text;  // nullptr: only the start is checked (the title line)
};

const Control COURSE_CONTROLS[] = {
    {0xFFFFFFFF, L"STATIC", 0x50021201, 7, 7, 214, 21, nullptr},
    {0xFFFFFFFF, L"BUTTON", 0x50000007, 7, 39, 213, 44, L"ストーリー"},
    {0xFFFFFFFF, L"STATIC", 0x50020000, 14, 56, 198, 21,
     L"　あなたはP2Pネットワークを守るファイヤーウォールです。"
     L"あなたは情報漏洩になるような通信をシャットアウトしなければなりません。"},
    {0xFFFFFFFF, L"BUTTON", 0x50000007, 7, 90, 213, 52, L"ルール"},
    {0xFFFFFFFF, L"STATIC", 0x50020000, 14, 107, 198, 27,
     L"　中央のバーを移動させ、情報漏洩パケット（●＝黒丸）に当てて打ち返します。"
     L"通常のパケット（○＝白丸）は通過させます。逆のことをすると1ミスになります。"
     L"5回ミスをするとゲームオーバーです。"},
    {0xFFFFFFFF, L"STATIC", 0x50020000, 7, 155, 213, 8, L"コースを選択してください。"},
    {IDC_DIALUP, L"BUTTON", 0x50000009, 7, 175, 69, 10, L"ダイヤルアップ(&D)"},
    {IDC_ISDN, L"BUTTON", 0x50000009, 85, 175, 37, 10, L"ISDN(&I)"},
    {IDC_ADSL, L"BUTTON", 0x50000009, 133, 175, 42, 10, L"ADSL(&A)"},
    {IDC_FTTH, L"BUTTON", 0x50000009, 186, 175, 31, 10, L"光(&F)"},
    {IDC_HISCORE, L"BUTTON", 0x50010000, 7, 202, 73, 14, L"ハイスコア表示(&H)"},
    {IDOK, L"BUTTON", 0x50010000, 119, 202, 50, 14, L"スタート(&S)"},
    {IDCANCEL, L"BUTTON", 0x50010000, 170, 202, 50, 14, L"終了(&X)"},
};

TEST_F(ExeResources, CourseDialogMatchesItsControlTable) {
  std::string bytes = Resource(RT_DIALOG, MAKEINTRESOURCEA(IDD_COURSE));
  ASSERT_FALSE(bytes.empty()) << "no Japanese dialog 129";
  const BYTE* start = reinterpret_cast<const BYTE*>(bytes.data());
  TemplateReader in{start};
  EXPECT_EQ(in.Word(), 1) << "dlgVer";
  EXPECT_EQ(in.Word(), 0xFFFF) << "an extended template";
  EXPECT_EQ(in.Dword(), 0u) << "help id";
  EXPECT_EQ(in.Dword(), 0u) << "extended style";
  EXPECT_EQ(in.Dword(), 0x80C808C0u) << "style";
  WORD count = in.Word();
  EXPECT_EQ(count, 13);
  short frame[4];
  for (short& v : frame) v = static_cast<short>(in.Word());
  EXPECT_EQ(frame[0], 0);
  EXPECT_EQ(frame[1], 0);
  EXPECT_EQ(frame[2], 227);
  EXPECT_EQ(frame[3], 223);
  EXPECT_EQ(in.NameOrOrdinal(), L"") << "menu";
  EXPECT_EQ(in.NameOrOrdinal(), L"") << "window class";
  EXPECT_EQ(in.String(), L"Fendra - モード選択");
  EXPECT_EQ(in.Word(), 9) << "point size";
  EXPECT_EQ(in.Word(), 400) << "weight";
  EXPECT_EQ(*in.at++, 0) << "italic";
  EXPECT_EQ(*in.at++, 128) << "character set";
  EXPECT_EQ(in.String(), L"ＭＳ Ｐゴシック");

  ASSERT_EQ(count, sizeof COURSE_CONTROLS / sizeof COURSE_CONTROLS[0]);
  for (const Control& want : COURSE_CONTROLS) {
    in.AlignToDword(start);
    SCOPED_TRACE(want.id);
    EXPECT_EQ(in.Dword(), 0u) << "help id";
    EXPECT_EQ(in.Dword(), 0u) << "extended style";
    EXPECT_EQ(in.Dword(), want.style);
    EXPECT_EQ(static_cast<short>(in.Word()), want.x);
    EXPECT_EQ(static_cast<short>(in.Word()), want.y);
    EXPECT_EQ(static_cast<short>(in.Word()), want.cx);
    EXPECT_EQ(static_cast<short>(in.Word()), want.cy);
    EXPECT_EQ(in.Dword(), want.id);
    EXPECT_EQ(Upper(in.NameOrOrdinal()), want.className);
    std::wstring text = in.NameOrOrdinal();
    if (want.text) {
      EXPECT_EQ(text, want.text);
    } else {
      EXPECT_EQ(text.rfind(L"Fendra", 0), 0u) << "the title line starts with the title";
    }
    WORD extra = in.Word();
    in.at += extra;
  }
}

TEST_F(ExeResources, VersionIsJapanese101) {
  std::string bytes = Resource(RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO));
  ASSERT_FALSE(bytes.empty());
  // VerQueryValue needs a writable copy of the block.
  std::vector<char> block(bytes.begin(), bytes.end());
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00010000u);
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &size));
  ASSERT_EQ(size, 4u);
  EXPECT_EQ(translation[0], 0x0411);
  EXPECT_EQ(translation[1], 1200);
  char* fileVersion = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041104b0\\FileVersion",
                             reinterpret_cast<void**>(&fileVersion), &size));
  EXPECT_STREQ(fileVersion, "1.0.1.0");
}

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR, LONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

TEST_F(ExeResources, OneManifestAskingForCommonControls6AsInvoker) {
  int manifests = 0;
  EnumResourceNamesA(module, RT_MANIFEST, CountName, reinterpret_cast<LONG_PTR>(&manifests));
  EXPECT_EQ(manifests, 1);
  std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEA(1));
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

// Reads pixels of a bitmap resource as stored: bottom-up rows.
struct StoredBitmap {
  BITMAPINFOHEADER header;
  const RGBQUAD* palette;
  const BYTE* bits;
  COLORREF At(int x, int y) const {
    int stride = ((header.biWidth * header.biBitCount + 31) / 32) * 4;
    const BYTE* row = bits + (header.biHeight - 1 - y) * stride;
    if (header.biBitCount == 24) return RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    int index = x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    return RGB(palette[index].rgbRed, palette[index].rgbGreen, palette[index].rgbBlue);
  }
};

// The standard 16-colour palette, in its order.
const COLORREF STANDARD_PALETTE[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

TEST_F(ExeResources, PicturesHaveTheirSizeDepthPaletteAndWhiteGround) {
  struct Case {
    int id;
    int width, height, depth;
    COLORREF inside;  // a colour the picture must hold
  } cases[] = {
      {IDB_NODE, 32, 32, 4, RGB(0, 255, 255)},  {IDB_BAR, 32, 9, 4, RGB(255, 0, 0)},
      {IDB_LEAK, 8, 8, 4, RGB(0, 0, 0)},        {IDB_NORMAL, 8, 8, 4, RGB(0, 0, 0)},
      {IDB_GET, 64, 32, 24, RGB(247, 150, 70)}, {IDB_THANKS, 113, 35, 24, RGB(0, 176, 240)},
      {IDB_BOO, 72, 35, 24, RGB(0, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    std::string bytes = Resource(RT_BITMAP, MAKEINTRESOURCEA(c.id));
    ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
    StoredBitmap picture;
    memcpy(&picture.header, bytes.data(), sizeof picture.header);
    EXPECT_EQ(picture.header.biWidth, c.width);
    EXPECT_EQ(picture.header.biHeight, c.height);
    EXPECT_EQ(picture.header.biBitCount, c.depth);
    EXPECT_EQ(picture.header.biCompression, static_cast<DWORD>(BI_RGB));
    picture.palette = reinterpret_cast<const RGBQUAD*>(bytes.data() + picture.header.biSize);
    int colours = c.depth == 4 ? 16 : 0;
    picture.bits = reinterpret_cast<const BYTE*>(bytes.data()) + picture.header.biSize +
                   colours * sizeof(RGBQUAD);
    int stride = ((c.width * c.depth + 31) / 32) * 4;
    ASSERT_GE(bytes.size(), picture.header.biSize + colours * sizeof(RGBQUAD) + stride * c.height);
    for (int i = 0; i < colours; ++i) {
      const RGBQUAD& entry = picture.palette[i];
      EXPECT_EQ(RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue), STANDARD_PALETTE[i]) << i;
    }
    int w = c.width - 1, h = c.height - 1;
    for (POINT corner : {POINT{0, 0}, POINT{w, 0}, POINT{0, h}, POINT{w, h}}) {
      EXPECT_EQ(picture.At(corner.x, corner.y), RGB(255, 255, 255))
          << "corner " << corner.x << "," << corner.y;
    }
    bool found = false;
    for (int y = 0; y < c.height && !found; ++y)
      for (int x = 0; x < c.width && !found; ++x) found = picture.At(x, y) == c.inside;
    EXPECT_TRUE(found) << "the picture's own colour";
  }
}

// Each effect is a RIFF WAVE file of exactly "fmt " and "data" chunks: PCM
// mono 22,050 Hz 16-bit, of its own length, loud up to one below full scale.
TEST_F(ExeResources, EffectSoundsArePcmMonoOfTheirLengthAndPeak) {
  struct Case {
    int id;
    DWORD frames;
  } cases[] = {{IDW_THANKS, 38400}, {IDW_BOO, 9538}, {IDW_DEFLECT, 21487}, {IDW_GET, 23360}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    std::string wave = Resource("WAVE", MAKEINTRESOURCEA(c.id));
    ASSERT_EQ(wave.size(), 44 + c.frames * 2);
    auto word = [&](size_t at) { return *reinterpret_cast<const WORD*>(wave.data() + at); };
    auto dword = [&](size_t at) { return *reinterpret_cast<const DWORD*>(wave.data() + at); };
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(dword(4), wave.size() - 8);
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(dword(16), 16u) << "fmt chunk size";
    EXPECT_EQ(word(20), WAVE_FORMAT_PCM);
    EXPECT_EQ(word(22), 1) << "channels";
    EXPECT_EQ(dword(24), 22050u);
    EXPECT_EQ(dword(28), 44100u) << "bytes per second";
    EXPECT_EQ(word(32), 2) << "block align";
    EXPECT_EQ(word(34), 16) << "bits per sample";
    EXPECT_EQ(wave.substr(36, 4), "data");
    EXPECT_EQ(dword(40), c.frames * 2);
    int peak = 0;
    for (size_t at = 44; at + 1 < wave.size(); at += 2) {
      peak = std::max(peak, abs(static_cast<short>(word(at))));
    }
    EXPECT_EQ(peak, 32766);
  }
}

TEST_F(ExeResources, IconIsOne32By32SixteenColourImageWithAMask) {
  std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_APP));
  ASSERT_EQ(group.size(), 6u + 14u) << "one image";
  const BYTE* entry = reinterpret_cast<const BYTE*>(group.data()) + 6;
  EXPECT_EQ(entry[0], 32);
  EXPECT_EQ(entry[1], 32);
  EXPECT_EQ(entry[2], 16) << "colours";
  HICON icon = LoadIconA(module, MAKEINTRESOURCEA(IDI_APP));
  ASSERT_NE(icon, nullptr);
  ICONINFO info;
  ASSERT_TRUE(GetIconInfo(icon, &info));
  // Drawn over black and over white: the corners show the ground (transparent),
  // the middle row shows the bar either way.
  HDC dc = CreateCompatibleDC(NULL);
  for (COLORREF ground : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
    HBITMAP canvas = CreateBitmap(32, 32, 1, 32, NULL);
    HGDIOBJ kept = SelectObject(dc, canvas);
    HBRUSH brush = CreateSolidBrush(ground);
    RECT all = {0, 0, 32, 32};
    FillRect(dc, &all, brush);
    DrawIconEx(dc, 0, 0, icon, 32, 32, 0, NULL, DI_NORMAL);
    EXPECT_EQ(GetPixel(dc, 0, 0), ground);
    EXPECT_EQ(GetPixel(dc, 16, 3), ground);
    EXPECT_EQ(GetPixel(dc, 16, 16), RGB(192, 192, 192)) << "the bar's centre line";
    EXPECT_EQ(GetPixel(dc, 4, 16), RGB(255, 0, 0)) << "a red end";
    SelectObject(dc, kept);
    DeleteObject(brush);
    DeleteObject(canvas);
  }
  DeleteDC(dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

}  // namespace
