// The yardstick for launch times: a bare Win32 window of the game's client
// size that paints itself one colour. Closes on WM_CLOSE like any window.
#include <windows.h>

static LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HBRUSH green = CreateSolidBrush(RGB(10, 200, 30));
    FillRect(dc, &paint.rcPaint, green);
    DeleteObject(green);
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = BareProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
  windowClass.lpszClassName = "bare_window";
  RegisterClassA(&windowClass);
  RECT area = {0, 0, 620, 440};
  AdjustWindowRectEx(&area, WS_CAPTION | WS_SYSMENU, FALSE, 0);
  HWND window =
      CreateWindowA("bare_window", "bare", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                    area.right - area.left, area.bottom - area.top, NULL, NULL, instance, NULL);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
