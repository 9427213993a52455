// The pieces WinMain is made of: the single-instance check, the game window
// class and window, and the message loop.
#pragma once

#include <windows.h>

// The module handle the bitmaps and sounds are loaded from; stored by
// WinMain before the game window is created.
extern HINSTANCE appInstance;

// "Fendra" until a course is chosen, then the course's caption.
extern char windowCaption[64];

#define SINGLE_INSTANCE_NAME "wallo"  // the mutex and the window class
#define GAME_WINDOW_CLASS "wallo"
#define ALREADY_RUNNING_TEXT "すでに起動しています。"

// A title bar with the system menu and close box: no sizing, no min/max.
const DWORD GAME_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU;

// A second copy: bring the first copy's window forward, or say that a copy
// runs when it has no window yet (it is still in its course dialog).
void ShowRunningCopy();

ATOM RegisterGameClass(HINSTANCE instance);

// Creates the hidden game window with a 620 x 440 client area, captioned
// with windowCaption.
HWND CreateGameWindow(HINSTANCE instance);

// Runs until WM_QUIT (or a failing GetMessageA); returns the exit code.
int RunMessageLoop();
