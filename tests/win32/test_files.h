// Scratch folders and files for the tests that run under Wine.
#pragma once

#include <windows.h>

#include <string>

// A new empty folder under the temp folder, e.g. C:\...\Temp\fendra-3f2a.
std::string MakeScratchFolder(const char* name);
void RemoveFolderTree(const std::string& folder);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole file, or "<missing>" when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// The folder of the running test program, with its backslash.
std::string ProgramFolder();
