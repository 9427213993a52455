// The course dialog: story, rules, course choice and the high-score box.
// Its result is the chosen Course (0-3) or -1 for leaving.
#pragma once

#include <windows.h>

INT_PTR CALLBACK CourseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
