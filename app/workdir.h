// Making the program's own folder the current directory, with a Shift-JIS
// aware search for the last real backslash of the program's path.
#pragma once

#include <windows.h>

// Nonzero when the byte at `index` of the zero-terminated Shift-JIS `text`
// is the first byte of a double-byte character. Characters are always
// counted from the start of the string.
BOOL IsDbcsLeadAt(const char* text, int index);

// Where the program's path is cut to name its folder: the index at which the
// string ends, or -1 when it holds no real backslash. A backslash at index 4
// or below stays (a drive root keeps its "C:\").
int ProgramFolderEnd(const char* path);

// Sets the current directory to the folder of the program's file.
BOOL SetWorkingDirToExe();
