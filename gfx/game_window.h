// The game window's procedure.
#pragma once

#include <windows.h>

LRESULT CALLBACK GameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
