// Whole games of the real program, driven from outside.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/driver.h"
#include "tests/win32/dib.h"
#include "tests/win32/test_files.h"

namespace {

// A game played over a file that holds more than its own key.
TEST(HiScoreFile, GameRewritesItsKeyAndKeepsTheRest) {
  GameProcess game;
  WriteFileBytes(game.Ini(),
                 "[OTHER]\r\nname=value\r\n[HISCORE]\r\nISDN=870\r\nDIALUP=0007\r\nFTTH=55\r\n");
  HWND window = game.StartGame();
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(game.WaitForExit(), 0u);
  EXPECT_EQ(IniValue(game.Ini(), "HISCORE", "DIALUP"), "7") << "rewritten with %u";
  EXPECT_EQ(IniValue(game.Ini(), "HISCORE", "ISDN"), "870");
  EXPECT_EQ(IniValue(game.Ini(), "HISCORE", "FTTH"), "55");
  EXPECT_EQ(IniValue(game.Ini(), "OTHER", "name"), "value");
}

// The playfield as the player sees it when a game starts, taken from the
// screen; kept as build/win32/bin/screenshots/playfield.bmp.
TEST(Playfield, StartShowsTheComputersTheBarAndReady) {
  GameProcess game;
  HWND window = game.StartGame();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForForeground(window));
  Sleep(500);  // the first paint

  Dib shot = ClientShot(window);
  CreateDirectoryA((ProgramFolder() + "screenshots").c_str(), NULL);
  SaveBmp(shot, ProgramFolder() + "screenshots\\playfield.bmp");

  Dib node = ExePicture(game, IDB_NODE);
  Dib bar = ExePicture(game, IDB_BAR);
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

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(game.WaitForExit(), 0u);
}

// Where `picture` shows whole in the shot, scanning row by row.
bool FindPicture(const Dib& shot, const Dib& picture, int* foundX, int* foundY) {
  for (int y = 0; y + picture.height <= shot.height; ++y) {
    for (int x = 0; x + picture.width <= shot.width; ++x) {
      if (BlockEquals(shot, x, y, picture)) {
        *foundX = x;
        *foundY = y;
        return true;
      }
    }
  }
  return false;
}

// Arrow keys held while the game is in front move the bar on the screen, by
// whole steps of the course (4 pixels on dial-up) and no faster than one
// step per 45 ms.
TEST(Bar, HeldArrowKeysMoveItOnTheScreen) {
  const int STEP_PX = 4;
  const DWORD HOLD_MS = 600;
  const int MOST_STEPS = (HOLD_MS + 200) / 45 + 1;  // a key-up may come a little late
  GameProcess game;
  HWND window = game.StartGame();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForForeground(window));
  Sleep(1800);  // past READY: the bar moves from GO on
  HoldKey(VK_LEFT, HOLD_MS);
  HoldKey(VK_UP, HOLD_MS);
  Sleep(300);  // the last repaint
  EXPECT_EQ(GetForegroundWindow(), window);

  Dib shot = ClientShot(window);
  Dib bar = ExePicture(game, IDB_BAR);
  int x = -1, y = -1;
  ASSERT_TRUE(FindPicture(shot, bar, &x, &y)) << "no bar on the screen";
  int stepsLeft = (300 - x) / STEP_PX, stepsUp = (230 - y) / STEP_PX;
  EXPECT_EQ((300 - x) % STEP_PX, 0) << x;
  EXPECT_EQ((230 - y) % STEP_PX, 0) << y;
  EXPECT_GE(stepsLeft, 1) << x;
  EXPECT_GE(stepsUp, 1) << y;
  EXPECT_LE(stepsLeft, MOST_STEPS) << x;
  EXPECT_LE(stepsUp, MOST_STEPS) << y;
  EXPECT_FALSE(BlockEquals(shot, 300, 230, bar)) << "the bar left its old place clean";

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(game.WaitForExit(), 0u);
}

// A whole game on the fibre course with nobody at the keys: the bar stays in
// the middle, five misses come soon, and after the game-over banner the score
// box tells the score and the new high score, which the file then holds. The
// bar strikes a packet now and then (5 points), so the stored 1 is beaten.
TEST(WholeGame, FibreCourseWithNoInputEndsWithTheScoreBoxAndSavesIt) {
  const DWORD GAME_BOUND_MS = 200000;  // its length is random; usually about a minute
  GameProcess game;
  WriteFileBytes(game.Ini(), "[HISCORE]\r\nFTTH=1\r\n");
  HWND window = game.StartGame(IDC_FTTH);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(WindowText(window), "Fendra - 光コース");
  ASSERT_TRUE(WaitForForeground(window));

  // The game stands still while it is not in front, so nothing of ours may
  // take the foreground; check that it stays there until the box shows.
  HWND box = NULL;
  DWORD start = GetTickCount();
  while (!box && GetTickCount() - start < GAME_BOUND_MS) {
    HWND front = GetForegroundWindow();
    // Destroying the window hides it first, and the front moves on then.
    if (front != window && IsWindowVisible(window)) FAIL() << "the game lost the foreground";
    box = game.WaitForWindow("#32770", "終了", 500);
  }
  ASSERT_NE(box, nullptr) << "no score box within " << GAME_BOUND_MS / 1000 << " s";

  std::string text = ReadMessageBox(box).text;
  const std::string scoreLabel = "得点：";
  ASSERT_EQ(text.compare(0, scoreLabel.size(), scoreLabel), 0) << text;
  unsigned score = strtoul(text.c_str() + scoreLabel.size(), nullptr, 10);
  char expected[80];
  snprintf(expected, sizeof expected, "得点：%u\r\nハイスコア：%u", score, score);
  EXPECT_GT(score, 1u) << "the stored score was not beaten this time";
  EXPECT_EQ(text, expected) << "the new high score";
  EXPECT_EQ(score % 5, 0u) << "strikes score 5, deliveries 10 and 20";

  ClickButton(box, IDOK);
  EXPECT_EQ(game.WaitForExit(), 0u);
  EXPECT_EQ(IniValue(game.Ini(), "HISCORE", "FTTH"), std::to_string(score));
}

// The game with its tune beside it, with a damaged one or with none: it
// starts, runs in front and closes at once in every case, silent where
// nothing decodes.
TEST(Music, GameRunsWithItsTuneADamagedOneOrNone) {
  const std::string tune = ReadFileBytes(ProgramFolder() + "wallo.ogg");
  ASSERT_GT(tune.size(), 100000u) << "wallo.ogg beside the exe";
  struct Case {
    const char* what;
    std::string bytes;
    bool present;
  } cases[] = {
      {"the game's tune", tune, true},
      {"a text file", "This is not a tune.\r\n", true},
      {"truncated", tune.substr(0, tune.size() / 3), true},
      {"none", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameProcess game;
    if (c.present) WriteFileBytes(game.Folder() + "\\wallo.ogg", c.bytes);
    HWND window = game.StartGame();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForForeground(window));
    Sleep(1500);  // the first pass plays
    EXPECT_TRUE(IsWindow(window));
    DWORD closing = GetTickCount();
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(game.WaitForExit(), 0u);
    EXPECT_LT(GetTickCount() - closing, 2000u) << "the music stops at once";
  }
}

}  // namespace
