// Entry point: one process plays one game, from the course dialog to the
// saved high score.
#include <windows.h>

#include "app/course_dialog.h"
#include "app/courses.h"
#include "app/hiscore.h"
#include "app/shell.h"
#include "app/workdir.h"
#include "game/model.h"
#include "res/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HANDLE mutex = CreateMutexA(NULL, TRUE, SINGLE_INSTANCE_NAME);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    ShowRunningCopy();
    return 0;
  }
  SetWorkingDirToExe();
  RegisterGameClass(instance);

  INT_PTR choice = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_COURSE), NULL, CourseDlgProc, 0);
  // -1 is leaving (or a dialog that could not be made); the dialog gives no
  // other value outside the courses, and none would index the tables.
  if (choice < 0 || choice >= COURSE_COUNT) return 0;
  game.course = static_cast<Course>(choice);

  lstrcpyA(windowCaption, CourseCaptions[game.course]);
  game.hiScore = ReadHiScore(game.course);
  appInstance = instance;
  HWND window = CreateGameWindow(instance);
  if (window == NULL) return 0;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);  // the first frame is painted before the loop

  timeBeginPeriod(1);
  int exitCode = RunMessageLoop();
  // Saved on every end of a game, changed or not.
  WriteHiScore(game.course, game.hiScore);
  PlaySoundA(NULL, NULL, 0);
  timeEndPeriod(1);
  CloseHandle(mutex);
  return exitCode;
}
