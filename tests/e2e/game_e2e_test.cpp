// Whole games of the real program, driven from outside.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/driver.h"
#include "tests/win32/dib.h"
#include "tests/win32/test_files.h"

namespace {

const int CLIENT_WIDTH_PX = 620;
const int CLIENT_HEIGHT_PX = 440;

std::string Value(const std::string& ini, const char* section, const char* key) {
  char text[64];
  GetPrivateProfileStringA(section, key, "<none>", text, sizeof text, ini.c_str());
  return text;
}

// A game played over a file that holds more than its own key.
TEST(HiScoreFile, GameRewritesItsKeyAndKeepsTheRest) {
  GameProcess game;
  WriteFileBytes(game.Ini(),
                 "[OTHER]\r\nname=value\r\n[HISCORE]\r\nISDN=870\r\nDIALUP=0007\r\nFTTH=55\r\n");
  ASSERT_TRUE(game.Start());
  HWND dialog = game.WaitForCourseDialog();
  ASSERT_NE(dialog, nullptr);
  ClickButton(dialog, IDOK);
  HWND window = game.WaitForGameWindow();
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(game.WaitForExit(), 0u);
  EXPECT_EQ(Value(game.Ini(), "HISCORE", "DIALUP"), "7") << "rewritten with %u";
  EXPECT_EQ(Value(game.Ini(), "HISCORE", "ISDN"), "870");
  EXPECT_EQ(Value(game.Ini(), "HISCORE", "FTTH"), "55");
  EXPECT_EQ(Value(game.Ini(), "OTHER", "name"), "value");
}

// Saves a picture as a 32-bit BMP file.
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

// The playfield as the player sees it when a game starts, taken from the
// screen; kept as build/win32/bin/screenshots/playfield.bmp.
TEST(Playfield, StartShowsTheComputersTheBarAndReady) {
  GameProcess game;
  ASSERT_TRUE(game.Start());
  HWND dialog = game.WaitForCourseDialog();
  ASSERT_NE(dialog, nullptr);
  ClickButton(dialog, IDOK);
  HWND window = game.WaitForGameWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForForeground(window));
  Sleep(500);  // the first paint

  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  Dib shot(CLIENT_WIDTH_PX, CLIENT_HEIGHT_PX, RGB(1, 2, 3));
  HDC screen = GetDC(NULL);
  BitBlt(shot.Dc(), 0, 0, CLIENT_WIDTH_PX, CLIENT_HEIGHT_PX, screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(NULL, screen);
  CreateDirectoryA((ProgramFolder() + "screenshots").c_str(), NULL);
  SaveBmp(shot, ProgramFolder() + "screenshots\\playfield.bmp");

  HMODULE exe =
      LoadLibraryExA((game.Folder() + "\\wallo.exe").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
  HBITMAP nodePicture = static_cast<HBITMAP>(
      LoadImageA(exe, MAKEINTRESOURCEA(IDB_NODE), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
  HBITMAP barPicture = static_cast<HBITMAP>(
      LoadImageA(exe, MAKEINTRESOURCEA(IDB_BAR), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
  ASSERT_NE(nodePicture, nullptr);
  Dib node = Dib::Of(nodePicture);
  Dib bar = Dib::Of(barPicture);
  const int nodeX[] = {60, 180, 300, 420, 540, 60, 180, 300, 420, 540};
  const int nodeY[] = {60, 60, 60, 60, 60, 400, 400, 400, 400, 400};
  for (int k = 0; k < 10; ++k) {
    int badX = -1, badY = -1;
    EXPECT_TRUE(BlockEquals(shot, nodeX[k], nodeY[k], node, &badX, &badY))
        << "computer " << k << " differs at " << badX << "," << badY;
  }
  EXPECT_TRUE(BlockEquals(shot, 300, 230, bar));
  RECT banner = {240, 200, 400, 232};
  EXPECT_GT(CountColour(shot, banner, RGB(0, 85, 85)), 40) << "READY";
  RECT scoreLine = {250, 4, 620, 18};
  EXPECT_GT(CountColour(shot, scoreLine, RGB(0, 0, 238)), 40) << "the score line";
  DeleteObject(nodePicture);
  DeleteObject(barPicture);
  FreeLibrary(exe);

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(game.WaitForExit(), 0u);
}

}  // namespace
