// Drives the real wallo.exe from inside the same Wine session: starts it in
// a folder of its own, finds its windows, clicks, types and reads texts.
// Every wait has a bound.
#pragma once

#include <windows.h>

#include <string>

const DWORD WAIT_MS = 15000;

class GameProcess {
 public:
  // Copies wallo.exe into a new scratch folder (or `folder`, when given).
  explicit GameProcess(const std::string& folder = std::string());
  ~GameProcess();

  // Starts the copy with a working folder elsewhere, as a shortcut might.
  bool Start();
  // The exit code, or STILL_ACTIVE when it did not end within the bound.
  DWORD WaitForExit(DWORD ms = WAIT_MS);

  // A top-level window of this process with the class and caption given
  // (nullptr: any), or NULL when none appears within the bound.
  HWND WaitForWindow(const char* className, const char* caption, DWORD ms = WAIT_MS) const;
  HWND WaitForCourseDialog() const;
  HWND WaitForGameWindow() const;
  // Start, the course dialog, the course's radio (0: as it opens), Start,
  // and the game window; NULL when any of them fails.
  HWND StartGame(int courseRadio = 0);

  DWORD Id() const { return info_.dwProcessId; }
  const std::string& Folder() const { return folder_; }
  std::string Ini() const { return folder_ + "\\wallo.ini"; }

 private:
  std::string folder_;
  bool ownsFolder_;
  PROCESS_INFORMATION info_ = {};
};

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
