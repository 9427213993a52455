// Accepted game steps per second under the real 50 ms game timer, for the
// shipped throttle (45 ms) and a strict 50 ms one, counted side by side on
// the same stream of timer messages. Usage: tick_rate.exe [seconds]
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include "game/model.h"
#include "game/tick.h"

namespace {

const UINT STRICT_GAP_MS = 50;
DWORD runMs;
DWORD startMs;
DWORD strictLast, strictAccepted, shippedAccepted, messages;
DWORD gapsBelow50;
DWORD lastMessage;

LRESULT CALLBACK BenchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == GAME_TIMER_ID) {
    DWORD now = timeGetTime();
    if (messages > 0 && now - lastMessage < 50) ++gapsBelow50;
    lastMessage = now;
    ++messages;
    if (now - strictLast >= STRICT_GAP_MS) {
      strictLast = now;
      ++strictAccepted;
    }
    uint32_t before = game.lastTickTime;
    GameTick(window, wParam);  // the shipped gate, on the real game
    if (game.lastTickTime != before) ++shippedAccepted;
    if (now - startMs >= runMs) PostQuitMessage(0);
    return 0;
  }
  if (message == WM_PAINT) {
    ValidateRect(window, NULL);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  runMs = (argc > 1 ? atoi(argv[1]) : 60) * 1000;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = BenchProc;
  windowClass.hInstance = GetModuleHandleA(NULL);
  windowClass.lpszClassName = "tick_rate";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("tick_rate", "tick_rate", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                              100, NULL, NULL, windowClass.hInstance, NULL);
  SetForegroundWindow(window);
  SetStartingValues(game);
  game.phase = PHASE_GO;  // steps that move nothing but count
  game.phaseTicks = -32000;
  timeBeginPeriod(1);
  startMs = timeGetTime();
  SetTimer(window, GAME_TIMER_ID, GAME_TIMER_MS, NULL);
  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) DispatchMessageA(&message);
  timeEndPeriod(1);
  double seconds = (timeGetTime() - startMs) / 1000.0;
  printf("timer messages: %lu in %.1f s, %lu gaps below 50 ms\n", messages, seconds, gapsBelow50);
  printf("strict 50 ms throttle: %.2f steps/s\n", strictAccepted / seconds);
  printf("45 ms throttle (shipped): %.2f steps/s\n", shippedAccepted / seconds);
  printf("ratio shipped/strict: %.3f\n", double(shippedAccepted) / strictAccepted);
  return 0;
}
