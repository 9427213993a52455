#include "app/workdir.h"

static bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

BOOL IsDbcsLeadAt(const char* text, int index) {
  if (index < 0) return FALSE;
  for (int i = 0; text[i] != '\0'; ++i) {
    if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
      if (i == index) return TRUE;
      ++i;  // the second byte, whatever its value
      if (text[i] == '\0' || i == index) return FALSE;
    } else if (i == index) {
      return FALSE;
    }
  }
  return FALSE;
}

int ProgramFolderEnd(const char* path) {
  // Position 0 is never a separator worth cutting at.
  for (int p = lstrlenA(path) - 1; p >= 1; --p) {
    if (path[p] != '\\') continue;
    if (IsDbcsLeadAt(path, p - 1)) continue;  // second byte of ソ, 表, ...
    return p > 4 ? p : p + 1;
  }
  return -1;
}

BOOL SetWorkingDirToExe() {
  const DWORD PATH_BUFFER_SIZE = 520;
  char path[PATH_BUFFER_SIZE];
  if (GetModuleFileNameA(NULL, path, PATH_BUFFER_SIZE) == 0) return FALSE;
  int end = ProgramFolderEnd(path);
  if (end < 0) return FALSE;
  path[end] = '\0';
  return SetCurrentDirectoryA(path);
}
