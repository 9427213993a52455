// The game window class and window as the shell makes them.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "app/shell.h"
#include "game/model.h"
#include "tests/e2e/driver.h"

TEST(GameWindow, HasAClientAreaOf620By440AndTheFixedStyle) {
  HINSTANCE instance = GetModuleHandleA(NULL);
  appInstance = instance;
  ASSERT_NE(RegisterGameClass(instance), 0);
  lstrcpyA(windowCaption, "Fendra - ISDNコース");
  HWND window = CreateGameWindow(instance);
  ASSERT_NE(window, nullptr);

  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right - client.left, 620);
  EXPECT_EQ(client.bottom - client.top, 440);
  // The system adds WS_CLIPSIBLINGS to every top-level window.
  LONG style = GetWindowLongA(window, GWL_STYLE) & ~WS_CLIPSIBLINGS;
  EXPECT_EQ(style, 0x00C80000) << "caption and system menu, not visible";
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  char caption[64];
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Fendra - ISDN\x83\x52\x81\x5B\x83\x58");
  EXPECT_EQ(game.phase, PHASE_READY) << "WM_CREATE sets the starting values";
  EXPECT_EQ(game.barX, 300);

  // Destroying the window ends the message loop with exit code 0.
  DestroyWindow(window);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 0u);
  UnregisterClassA(GAME_WINDOW_CLASS, instance);
}

TEST(GameWindow, MessageLoopReturnsTheQuitCode) {
  PostQuitMessage(0);
  EXPECT_EQ(RunMessageLoop(), 0);
  PostQuitMessage(3);
  EXPECT_EQ(RunMessageLoop(), 3);
}

// Closing the window: the score box only after a game over, with the high
// score raised to points scored since the last paint.
TEST(GameWindow, DestroyShowsTheScoreBoxOnlyAfterAGameOver) {
  struct Case {
    GamePhase phase;
    UINT score, hiScore;
    const char* box;  // nullptr: no box
    UINT savedHiScore;
  } cases[] = {
      {PHASE_GAMEOVER, 1234, 5000, "得点：1234\r\nハイスコア：5000", 5000},
      {PHASE_GAMEOVER, 7000, 5000, "得点：7000\r\nハイスコア：7000", 7000},
      {PHASE_READY, 0, 120, nullptr, 120},
      {PHASE_PLAY, 900, 120, nullptr, 900},
  };
  HINSTANCE instance = GetModuleHandleA(NULL);
  appInstance = instance;
  RegisterGameClass(instance);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phase);
    HWND window = CreateGameWindow(instance);
    ASSERT_NE(window, nullptr);
    game.phase = c.phase;
    game.score = c.score;
    game.hiScore = c.hiScore;

    // The box is modal on this thread: another one reads and closes it.
    MessageBoxView seen = {};
    bool shown = false;
    std::thread closer([&] {
      DWORD start = GetTickCount();
      while (GetTickCount() - start < (c.box ? 10000u : 1000u)) {
        HWND box = FindWindowA("#32770", "終了");
        if (box && GetDlgItem(box, IDOK)) {
          seen = ReadMessageBox(box);
          shown = true;
          EXPECT_EQ(GetWindow(box, GW_OWNER), window);
          PostMessageA(box, WM_COMMAND, IDOK, 0);
          return;
        }
        Sleep(20);
      }
    });
    DestroyWindow(window);
    closer.join();
    EXPECT_EQ(shown, c.box != nullptr);
    if (c.box) {
      EXPECT_EQ(seen.text, c.box);
      EXPECT_TRUE(seen.hasIcon);
      EXPECT_TRUE(seen.okOnly);
    }
    EXPECT_EQ(game.hiScore, c.savedHiScore);
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  }
  UnregisterClassA(GAME_WINDOW_CLASS, instance);
}
