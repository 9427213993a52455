#include "gfx/game_window.h"

#include <imm.h>
#include <stdlib.h>

#include "app/shell.h"
#include "game/model.h"
#include "game/tick.h"
#include "gfx/drawing.h"
#include "sound/music.h"

// The tune beside the exe (the working folder), and where its repeating part
// begins, in sample frames.
const char MUSIC_PATH[] = ".\\wallo.ogg";
const DWORD MUSIC_LOOP_START_FRAMES = 184064;

// Builds everything the window lives with and starts the game clock.
static void OnCreate(HWND window) {
  CreateFontsAndBlitDC(window);
  SetStartingValues(game);
  CreatePenAndPictures(appInstance);
  srand(GetTickCount());
  ImmAssociateContext(window, NULL);  // arrow keys only: no input method
  SetTimer(window, GAME_TIMER_ID, GAME_TIMER_MS, NULL);
  // Decodes the whole tune before the window is first shown; silent when
  // there is no tune or no device.
  PlayMusic(MUSIC_PATH, MUSIC_LOOP_START_FRAMES);
}

static void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  PaintFrame(dc);
  EndPaint(window, &paint);
}

// Stops the clock, reports a finished game, releases the drawing resources
// and ends the message loop; WinMain then saves the high score.
static void OnDestroy(HWND window) {
  KillTimer(window, GAME_TIMER_ID);
  PlayMusic(NULL, 0);
  // Points scored after the last paint still count for the box and the save.
  if (game.hiScore < game.score) game.hiScore = game.score;
  if (game.phase == PHASE_GAMEOVER) {
    char report[64];
    wsprintfA(report, "得点：%u\r\nハイスコア：%u", game.score, game.hiScore);
    MessageBoxA(window, report, "終了", MB_OK | MB_ICONINFORMATION);
  }
  ReleaseDrawingResources();
  PostQuitMessage(0);
}

LRESULT CALLBACK GameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_TIMER:
      GameTick(window, wParam);
      return 0;
    case WM_DESTROY:
      OnDestroy(window);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
