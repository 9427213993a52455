// Drives the real wallo.exe from inside the same Wine session: starts it in
// a folder of its own, finds its windows, clicks, types and reads texts.
// Every wait has a bound.
#pragma once

#include <windows.h>

#include <string>

#include "tests/win32/dib.h"

const DWORD WAIT_MS = 15000;
const int CLIENT_WIDTH_PX = 620;
const int CLIENT_HEIGHT_PX = 440;

class GameProcess {
 public:
  // Copies wallo.exe into a new scratch folder (or `folder`, when given),
  // under the name `exeName`.
  explicit GameProcess(const std::string& folder = std::string(),
                       const std::string& exeName = "wallo.exe");
  ~GameProcess();

  // Puts the built tune, wallo.ogg, beside the copy, as in a release.
  void CopyTune() const;
  // Starts the copy with a working folder elsewhere, as a shortcut might.
  bool Start(const char* workingFolder = "C:\\");
  // The exit code, or STILL_ACTIVE when it did not end within the bound.
  DWORD WaitForExit(DWORD ms = WAIT_MS);

  // A top-level window of this process with the class and caption given
  // (nullptr: any), or NULL when none appears within the bound.
  HWND WaitForWindow(const char* className, const char* caption, DWORD ms = WAIT_MS) const;
  HWND WaitForCourseDialog() const;
  HWND WaitForGameWindow() const;
  // Start, the course dialog, the course's radio (0: as it opens), Start,
  // and the game window; NULL when any of them fails.
  HWND StartGame(int courseRadio = 0, const char* workingFolder = "C:\\");

  DWORD Id() const { return info_.dwProcessId; }
  const std::string& Folder() const { return folder_; }
  std::string Exe() const { return folder_ + "\\" + exeName_; }
  std::string Ini() const { return folder_ + "\\wallo.ini"; }

 private:
  std::string folder_, exeName_;
  bool ownsFolder_;
  PROCESS_INFORMATION info_ = {};
};

// A key of an INI file as GetPrivateProfileStringA reads it; "<none>" when
// it is missing.
std::string IniValue(const std::string& ini, const char* section, const char* key);

// Waits until `window` is the foreground window; false when it never is.
bool WaitForForeground(HWND window, DWORD ms = WAIT_MS);
// Presses a key with SendInput, holds it `ms` and releases it; goes to the
// foreground window.
void HoldKey(WORD virtualKey, DWORD ms);
// Long enough for a 50 ms poll to see it.
inline void PressKey(WORD virtualKey) {
  HoldKey(virtualKey, 100);
}
// Clicks a button as the mouse would, without waiting for what it opens.
void ClickButton(HWND dialog, int id);
std::string WindowText(HWND window);
// The control that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window);

// The text and the visible icon of a message box.
struct MessageBoxView {
  std::string text;
  bool hasIcon;
  bool okOnly;
};
MessageBoxView ReadMessageBox(HWND box);

// Pictures of what the screen shows.
void SaveBmp(const Dib& picture, const std::string& path);
// The game window's client area as it is on the screen now.
Dib ClientShot(HWND window);
// A whole window, frame included (the dialog, a message box).
Dib WindowShot(HWND window);
// A bitmap resource of the copy of wallo.exe the game runs from.
Dib ExePicture(const GameProcess& game, int id);

// The phase the banner of a client-area shot shows; NONE in play (no banner).
enum class ShownPhase { NONE, READY, GO, GAMEOVER };
ShownPhase PhaseOnScreen(const Dib& shot);
// Waits until the game window shows `phase`; false when it never does.
bool WaitForPhase(HWND window, ShownPhase phase, DWORD ms = WAIT_MS);
