#include "tests/e2e/driver.h"

#include "tests/win32/test_files.h"

// The static controls a message box puts its icon and text in.
const int MSGBOX_ICON_ID = 0x0440;
const int MSGBOX_TEXT_ID = 0xFFFF;

GameProcess::GameProcess(const std::string& folder)
    : folder_(folder.empty() ? MakeScratchFolder("game") : folder), ownsFolder_(folder.empty()) {
  CopyFileA((ProgramFolder() + "wallo.exe").c_str(), (folder_ + "\\wallo.exe").c_str(), FALSE);
}

GameProcess::~GameProcess() {
  if (info_.hProcess) {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 99);
      WaitForSingleObject(info_.hProcess, WAIT_MS);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  if (ownsFolder_) RemoveFolderTree(folder_);
}

bool GameProcess::Start() {
  std::string exe = folder_ + "\\wallo.exe";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  return CreateProcessA(exe.c_str(), NULL, NULL, NULL, FALSE, 0, NULL, "C:\\", &startup, &info_);
}

DWORD GameProcess::WaitForExit(DWORD ms) {
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

namespace {
struct WindowSearch {
  DWORD processId;
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  char name[256];
  if (search->className) {
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, search->className) != 0) return TRUE;
  }
  if (search->caption && WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}
}  // namespace

HWND GameProcess::WaitForWindow(const char* className, const char* caption, DWORD ms) const {
  DWORD start = GetTickCount();
  do {
    WindowSearch search = {info_.dwProcessId, className, caption, NULL};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  } while (GetTickCount() - start < ms);
  return NULL;
}

HWND GameProcess::WaitForCourseDialog() const {
  return WaitForWindow("#32770", "Fendra - モード選択");
}

HWND GameProcess::WaitForGameWindow() const {
  return WaitForWindow("wallo", nullptr);
}

HWND GameProcess::StartGame(int courseRadio) {
  if (!Start()) return NULL;
  HWND dialog = WaitForCourseDialog();
  if (!dialog) return NULL;
  if (courseRadio) {
    ClickButton(dialog, courseRadio);
    HWND radio = GetDlgItem(dialog, courseRadio);
    for (int tries = 0; tries < 250; ++tries) {
      if (SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED) break;
      Sleep(20);
    }
  }
  ClickButton(dialog, IDOK);
  return WaitForGameWindow();
}

bool WaitForForeground(HWND window, DWORD ms) {
  DWORD start = GetTickCount();
  while (GetForegroundWindow() != window) {
    if (GetTickCount() - start >= ms) return false;
    Sleep(50);
  }
  return true;
}

void HoldKey(WORD virtualKey, DWORD ms) {
  INPUT input[2] = {};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = virtualKey;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(ms);
  SendInput(1, &input[1], sizeof(INPUT));
}

void ClickButton(HWND dialog, int id) {
  // Posted: a click that opens a modal box must not block the driver.
  PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info);
  return info.hwndFocus;
}

MessageBoxView ReadMessageBox(HWND box) {
  MessageBoxView view;
  view.text = WindowText(GetDlgItem(box, MSGBOX_TEXT_ID));
  HWND icon = GetDlgItem(box, MSGBOX_ICON_ID);
  view.hasIcon = icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
  view.okOnly = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDYES);
  return view;
}
