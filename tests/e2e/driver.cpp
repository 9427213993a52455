#include "tests/e2e/driver.h"

#include "tests/win32/test_files.h"

// The static controls a message box puts its icon and text in.
const int MSGBOX_ICON_ID = 0x0440;
const int MSGBOX_TEXT_ID = 0xFFFF;

GameProcess::GameProcess(const std::string& folder, const std::string& exeName)
    : folder_(folder.empty() ? MakeScratchFolder("game") : folder),
      exeName_(exeName),
      ownsFolder_(folder.empty()) {
  CopyFileA((ProgramFolder() + "wallo.exe").c_str(), Exe().c_str(), FALSE);
}

GameProcess::~GameProcess() {
  if (info_.hProcess) {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 99);
      WaitForSingleObject(info_.hProcess, WAIT_MS);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  if (ownsFolder_) RemoveFolderTree(folder_);
}

void GameProcess::CopyTune() const {
  CopyFileA((ProgramFolder() + "wallo.ogg").c_str(), (folder_ + "\\wallo.ogg").c_str(), FALSE);
}

bool GameProcess::Start(const char* workingFolder) {
  std::string exe = Exe();
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  return CreateProcessA(exe.c_str(), NULL, NULL, NULL, FALSE, 0, NULL, workingFolder, &startup,
                        &info_);
}

DWORD GameProcess::WaitForExit(DWORD ms) {
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

namespace {
struct WindowSearch {
  DWORD processId;
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  char name[256];
  if (search->className) {
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, search->className) != 0) return TRUE;
  }
  if (search->caption && WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}
}  // namespace

HWND GameProcess::WaitForWindow(const char* className, const char* caption, DWORD ms) const {
  DWORD start = GetTickCount();
  do {
    WindowSearch search = {info_.dwProcessId, className, caption, NULL};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  } while (GetTickCount() - start < ms);
  return NULL;
}

HWND GameProcess::WaitForCourseDialog() const {
  return WaitForWindow("#32770", "Fendra - モード選択");
}

HWND GameProcess::WaitForGameWindow() const {
  return WaitForWindow("wallo", nullptr);
}

HWND GameProcess::StartGame(int courseRadio, const char* workingFolder) {
  if (!Start(workingFolder)) return NULL;
  HWND dialog = WaitForCourseDialog();
  if (!dialog) return NULL;
  if (courseRadio) {
    ClickButton(dialog, courseRadio);
    HWND radio = GetDlgItem(dialog, courseRadio);
    for (int tries = 0; tries < 250; ++tries) {
      if (SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED) break;
      Sleep(20);
    }
  }
  ClickButton(dialog, IDOK);
  return WaitForGameWindow();
}

std::string IniValue(const std::string& ini, const char* section, const char* key) {
  char text[64];
  GetPrivateProfileStringA(section, key, "<none>", text, sizeof text, ini.c_str());
  return text;
}

bool WaitForForeground(HWND window, DWORD ms) {
  DWORD start = GetTickCount();
  while (GetForegroundWindow() != window) {
    if (GetTickCount() - start >= ms) return false;
    Sleep(50);
  }
  return true;
}

void HoldKey(WORD virtualKey, DWORD ms) {
  INPUT input[2] = {};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = virtualKey;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(ms);
  SendInput(1, &input[1], sizeof(INPUT));
}

void ClickButton(HWND dialog, int id) {
  // Posted: a click that opens a modal box must not block the driver.
  PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info);
  return info.hwndFocus;
}

MessageBoxView ReadMessageBox(HWND box) {
  MessageBoxView view;
  view.text = WindowText(GetDlgItem(box, MSGBOX_TEXT_ID));
  HWND icon = GetDlgItem(box, MSGBOX_ICON_ID);
  view.hasIcon = icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
  view.okOnly = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDYES);
  return view;
}

void SaveBmp(const Dib& picture, const std::string& path) {
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = picture.width;
  info.biHeight = -picture.height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  std::string pixels;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      COLORREF c = picture.At(x, y);
      char bgra[4] = {char(GetBValue(c)), char(GetGValue(c)), char(GetRValue(c)), 0};
      pixels.append(bgra, 4);
    }
  }
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + pixels.size();
  std::string bytes(reinterpret_cast<char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<char*>(&info), sizeof info);
  WriteFileBytes(path, bytes + pixels);
}

static Dib ScreenArea(int x, int y, int width, int height) {
  Dib shot(width, height, RGB(1, 2, 3));
  HDC screen = GetDC(NULL);
  BitBlt(shot.Dc(), 0, 0, width, height, screen, x, y, SRCCOPY);
  ReleaseDC(NULL, screen);
  return shot;
}

Dib ClientShot(HWND window) {
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  return ScreenArea(origin.x, origin.y, CLIENT_WIDTH_PX, CLIENT_HEIGHT_PX);
}

Dib WindowShot(HWND window) {
  RECT area;
  GetWindowRect(window, &area);
  return ScreenArea(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

Dib ExePicture(const GameProcess& game, int id) {
  HMODULE exe = LoadLibraryExA(game.Exe().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
  HBITMAP picture = static_cast<HBITMAP>(
      LoadImageA(exe, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
  Dib copy = picture ? Dib::Of(picture) : Dib(1, 1, RGB(1, 2, 3));
  if (picture) DeleteObject(picture);
  FreeLibrary(exe);
  return copy;
}

// The banners: READY from x 240, GO from x 280, both teal; GAMEOVER blue.
const COLORREF READY_GO_INK = RGB(0, 85, 85);
const COLORREF GAMEOVER_INK = RGB(0, 0, 255);

ShownPhase PhaseOnScreen(const Dib& shot) {
  RECT readyOnly = {240, 200, 278, 245};  // left of where GO begins
  RECT banner = {200, 200, 560, 245};
  if (CountColour(shot, banner, GAMEOVER_INK) > 300) return ShownPhase::GAMEOVER;
  if (CountColour(shot, readyOnly, READY_GO_INK) > 20) return ShownPhase::READY;
  if (CountColour(shot, banner, READY_GO_INK) > 20) return ShownPhase::GO;
  return ShownPhase::NONE;
}

bool WaitForPhase(HWND window, ShownPhase phase, DWORD ms) {
  DWORD start = GetTickCount();
  do {
    if (IsWindow(window) && PhaseOnScreen(ClientShot(window)) == phase) return true;
    Sleep(50);
  } while (GetTickCount() - start < ms);
  return false;
}
