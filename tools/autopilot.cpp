// Plays the real wallo.exe from inside the Wine session with a simple
// autopilot that sweeps the bar by holding arrow keys.
//   autopilot demo FOLDER     one fibre game; screenshots of the dialog, READY,
//                             play with packets and badges, GAMEOVER and the
//                             score box as BMP files in FOLDER
//   autopilot soak SECONDS    games back to back, every course in turn, until
//                             SECONDS have passed; a line per game
//   autopilot stay SECONDS    the dialog open for SECONDS, then a dial-up game
//                             played for SECONDS, with a line at each change
// Lines go to stdout with the milliseconds since the start, so that a script
// sampling the game's process can tell what it was doing.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/driver.h"
#include "tests/win32/test_files.h"

namespace {

DWORD startTick;

void Say(const char* format, unsigned a = 0, unsigned b = 0, unsigned c = 0) {
  printf("%7lu ms  ", GetTickCount() - startTick);
  printf(format, a, b, c);
  printf("\n");
  fflush(stdout);
}

// The bar sweeps left and right and drifts up and down, a key at a time.
void SteerOnce(unsigned step) {
  static const WORD keys[] = {VK_LEFT, VK_UP, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_LEFT};
  HoldKey(keys[step % 6], 250 + step % 3 * 100);
}

// How busy a shot of play looks: the ink of the packet labels when at least
// one badge is in flight too, else 0.
int Busyness(const Dib& shot) {
  RECT field = {0, 24, CLIENT_WIDTH_PX, CLIENT_HEIGHT_PX};
  int labels = CountColour(shot, field, RGB(204, 0, 0));
  int badges =
      CountColour(shot, field, RGB(247, 150, 70)) + CountColour(shot, field, RGB(0, 176, 240));
  return badges > 40 ? labels : 0;
}

struct Shots {
  std::string folder;
  int play = 0;  // the busiest shot of play so far
  bool gameOver = false;
  void Save(const Dib& picture, const char* name) const {
    SaveBmp(picture, folder + "\\" + name);
    printf("%7lu ms  screenshot %s\n", GetTickCount() - startTick, name);
    fflush(stdout);
  }
};

struct GameResult {
  bool ended;  // the score box came
  unsigned score;
};

const int COURSES[] = {IDC_DIALUP, IDC_ISDN, IDC_ADSL, IDC_FTTH};

// One game from the dialog to the end. The autopilot steers for
// `steerMs`, then leaves the keys alone; after `boundMs` the window is
// closed.
GameResult PlayOneGame(int courseRadio, DWORD steerMs, DWORD boundMs, Shots* shots) {
  GameResult result = {false, 0};
  GameProcess game;
  game.CopyTune();
  if (!game.Start()) return result;
  HWND dialog = game.WaitForCourseDialog();
  if (!dialog) return result;
  if (shots) {
    Sleep(500);  // painted
    shots->Save(WindowShot(dialog), "1-dialog.bmp");
  }
  ClickButton(dialog, courseRadio);
  Sleep(200);
  ClickButton(dialog, IDOK);
  HWND window = game.WaitForGameWindow();
  if (!window || !WaitForForeground(window)) return result;
  if (shots && WaitForPhase(window, ShownPhase::READY)) {
    shots->Save(ClientShot(window), "2-ready.bmp");
  }
  DWORD start = GetTickCount();
  HWND box = NULL;
  for (unsigned step = 0; !box && GetTickCount() - start < boundMs; ++step) {
    if (GetTickCount() - start < steerMs) {
      SteerOnce(step);
    } else {
      Sleep(100);
    }
    if (shots && IsWindowVisible(window)) {
      Dib shot = ClientShot(window);
      int busyness = Busyness(shot);
      if (busyness > 60 && busyness > shots->play && PhaseOnScreen(shot) == ShownPhase::NONE) {
        shots->Save(shot, "3-play.bmp");
        shots->play = busyness;
      }
      if (!shots->gameOver && PhaseOnScreen(shot) == ShownPhase::GAMEOVER) {
        shots->Save(shot, "4-gameover.bmp");
        shots->gameOver = true;
      }
    }
    box = game.WaitForWindow("#32770", "終了", 0);
  }
  if (!box) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    game.WaitForExit();
    return result;
  }
  Sleep(300);  // painted
  if (shots) shots->Save(WindowShot(box), "5-scorebox.bmp");
  std::string text = ReadMessageBox(box).text;
  result.ended = true;
  result.score = strtoul(text.c_str() + strlen("得点："), NULL, 10);
  ClickButton(box, IDOK);
  game.WaitForExit();
  return result;
}

int Demo(const std::string& folder) {
  Shots shots;
  shots.folder = folder;
  CreateDirectoryA(folder.c_str(), NULL);
  GameResult result = PlayOneGame(IDC_FTTH, 20000, 180000, &shots);
  Say("game over: %u points", result.score);
  bool complete = result.ended && shots.play > 0 && shots.gameOver;
  if (!complete) Say("some screenshots are missing");
  return complete ? 0 : 1;
}

int Soak(DWORD seconds) {
  unsigned games = 0, ended = 0;
  while (GetTickCount() - startTick < seconds * 1000) {
    int course = games % 4;
    Say("game %u starts, course %u", games + 1, course);
    GameResult result = PlayOneGame(COURSES[course], 300000, 300000, nullptr);
    Say(result.ended ? "game %u over: %u points" : "game %u closed after 5 minutes", games + 1,
        result.score);
    ++games;
    if (result.ended) ++ended;
  }
  Say("%u games, %u to the score box", games, ended);
  return 0;
}

int Stay(DWORD seconds) {
  GameProcess game;
  game.CopyTune();
  if (!game.Start()) return 1;
  HWND dialog = game.WaitForCourseDialog();
  if (!dialog) return 1;
  Say("dialog open");
  Sleep(seconds * 1000);
  ClickButton(dialog, IDOK);
  HWND window = game.WaitForGameWindow();
  if (!window || !WaitForForeground(window)) return 1;
  Say("playing");
  DWORD start = GetTickCount();
  for (unsigned step = 0; GetTickCount() - start < seconds * 1000; ++step) SteerOnce(step);
  Say("closing");
  PostMessageA(window, WM_CLOSE, 0, 0);
  game.WaitForExit();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  startTick = GetTickCount();
  if (argc == 3 && !strcmp(argv[1], "demo")) return Demo(argv[2]);
  if (argc == 3 && !strcmp(argv[1], "soak")) return Soak(strtoul(argv[2], NULL, 10));
  if (argc == 3 && !strcmp(argv[1], "stay")) return Stay(strtoul(argv[2], NULL, 10));
  fprintf(stderr, "usage: autopilot demo FOLDER | soak SECONDS | stay SECONDS\n");
  return 2;
}
