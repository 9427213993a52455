#include "app/shell.h"

#include "app/courses.h"
#include "game/model.h"
#include "gfx/game_window.h"
#include "res/resource.h"

HINSTANCE appInstance;
char windowCaption[64] = APP_TITLE;

void ShowRunningCopy() {
  HWND window = FindWindowA(GAME_WINDOW_CLASS, NULL);
  if (window == NULL) {
    MessageBoxA(NULL, ALREADY_RUNNING_TEXT, windowCaption, MB_OK);
    return;
  }
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  // Its score box, if one was active more recently, comes forward instead.
  SetForegroundWindow(GetLastActivePopup(window));
  InvalidateRect(window, NULL, FALSE);
}

ATOM RegisterGameClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = GameWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
  windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = GAME_WINDOW_CLASS;
  return RegisterClassExA(&windowClass);
}

HWND CreateGameWindow(HINSTANCE instance) {
  // Size the frame around the client area the playfield is laid out for,
  // whatever width the system gives the frame.
  RECT frame = {0, 0, CLIENT_WIDTH, CLIENT_HEIGHT};
  AdjustWindowRectEx(&frame, GAME_WINDOW_STYLE, FALSE, 0);
  return CreateWindowExA(0, GAME_WINDOW_CLASS, windowCaption, GAME_WINDOW_STYLE, CW_USEDEFAULT, 0,
                         frame.right - frame.left, frame.bottom - frame.top, NULL, NULL, instance,
                         NULL);
}

int RunMessageLoop() {
  MSG message = {};
  BOOL result;
  while ((result = GetMessageA(&message, NULL, 0, 0)) != 0 && result != -1) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // After WM_QUIT, the code given to PostQuitMessage; a failed fetch has none.
  return result == 0 ? static_cast<int>(message.wParam) : 0;
}
