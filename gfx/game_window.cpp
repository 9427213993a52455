#include "gfx/game_window.h"

#include "game/model.h"

LRESULT CALLBACK GameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      SetStartingValues(game);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);  // ends the message loop; WinMain saves the score
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
