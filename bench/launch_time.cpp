// Launch times under Wine, each the median of RUNS: a bare Win32 window from
// CreateProcess to its first painted frame, the game from CreateProcess to
// its painted course dialog (the first thing it shows), and from Start to
// the first painted playfield (the whole tune decoded on the way).
// Usage: launch_time [RUNS]
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/driver.h"
#include "tests/win32/test_files.h"

namespace {

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * counter.QuadPart / frequency.QuadPart;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(NULL);
  COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(NULL, screen);
  return colour;
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  DWORD owner;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// CreateProcess to the bare window's colour at its client centre.
double BareWindowMs() {
  std::string exe = ProgramFolder() + "bare_window.exe";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  double start = Now();
  if (!CreateProcessA(exe.c_str(), NULL, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
    return -1;
  }
  double painted = -1;
  Search search = {process.dwProcessId, NULL};
  while (Now() - start < WAIT_MS) {
    if (!search.found) EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      POINT centre = {310, 220};
      ClientToScreen(search.found, &centre);
      if (ScreenPixel(centre.x, centre.y) == RGB(10, 200, 30)) {
        painted = Now() - start;
        break;
      }
    }
    Sleep(1);
  }
  if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
  WaitForSingleObject(process.hProcess, WAIT_MS);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return painted;
}

// The game: CreateProcess to the dialog's title line painted, then Start to
// the first computer of the playfield painted.
void GameMs(double* dialogMs, double* playfieldMs) {
  *dialogMs = *playfieldMs = -1;
  GameProcess game;
  game.CopyTune();
  Dib node = ExePicture(game, IDB_NODE);
  double start = Now();
  if (!game.Start()) return;
  HWND dialog = NULL;
  while (Now() - start < WAIT_MS) {
    if (!dialog) dialog = game.WaitForWindow("#32770", "Fendra - モード選択", 0);
    if (dialog) {
      Dib shot = WindowShot(dialog);
      RECT titleLine = {20, 30, shot.width - 20, 70};
      if (CountColour(shot, titleLine, RGB(0, 0, 0)) > 50) {
        *dialogMs = Now() - start;
        break;
      }
    }
    Sleep(1);
  }
  if (!dialog) return;
  start = Now();
  ClickButton(dialog, IDOK);
  HWND window = NULL;
  while (Now() - start < WAIT_MS) {
    if (!window) window = game.WaitForWindow("wallo", nullptr, 0);
    if (window && BlockEquals(ClientShot(window), 60, 60, node)) {
      *playfieldMs = Now() - start;
      break;
    }
    Sleep(1);
  }
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  game.WaitForExit();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? atoi(argv[1]) : 5;
  std::vector<double> bare, dialog, playfield;
  for (int run = 0; run < runs; ++run) {
    bare.push_back(BareWindowMs());
    double d, p;
    GameMs(&d, &p);
    dialog.push_back(d);
    playfield.push_back(p);
  }
  double b = Median(bare), d = Median(dialog), p = Median(playfield);
  printf(
      "launch_time: median of %d: bare window %.0f ms; game dialog %.0f ms (ratio %.2f); "
      "Start to playfield %.0f ms\n",
      runs, b, d, d / b, p);
  return 0;
}
