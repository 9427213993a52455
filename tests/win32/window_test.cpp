// The game window class and window as the shell makes them.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/shell.h"
#include "game/model.h"

TEST(GameWindow, HasAClientAreaOf620By440AndTheFixedStyle) {
  HINSTANCE instance = GetModuleHandleA(NULL);
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
