#include "app/workdir.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/test_files.h"

TEST(IsDbcsLeadAt, CountsCharactersFromTheStart) {
  struct Case {
    const char* text;
    int index;
    BOOL lead;
  } cases[] = {
      // clang-format off
      {"abc", 1, FALSE},
      {"\x83\x5C", 0, TRUE},       // ソ: its lead byte
      {"\x83\x5C", 1, FALSE},      // ... and its 0x5C second byte
      {"a\x83\x5C", 1, TRUE},
      {"a\x83\x5C", 2, FALSE},
      {"\x83\x83\x5C", 1, FALSE},  // a second byte that looks like a lead
      {"\x83\x83\x5C", 2, FALSE},
      {"a\x83", 1, TRUE},          // a lead byte cut off by the end
      {"a\x83", 2, FALSE},
      {"\xB1\x5C", 0, FALSE},      // half-width katakana is single-byte
      {"\x80\x5C", 0, FALSE},
      {"\x81\x5C", 0, TRUE},
      {"\x9F\x5C", 0, TRUE},
      {"\xA0\x5C", 0, FALSE},
      {"\xE0\x5C", 0, TRUE},
      {"\xFC\x5C", 0, TRUE},
      {"\xFD\x5C", 0, FALSE},
      {"abc", -1, FALSE},
      {"abc", 7, FALSE},
      {"", 0, FALSE},
      // clang-format on
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsDbcsLeadAt(c.text, c.index) != FALSE, c.lead != FALSE)
        << "text " << c.text << " index " << c.index;
  }
}

TEST(ProgramFolderEnd, CutsAtTheLastRealBackslash) {
  struct Case {
    const char* path;
    const char* folder;  // nullptr: no real backslash, nothing is cut
  } cases[] = {
      {"D:\\Games\\play.exe", "D:\\Games"},
      {"C:\\wallo.exe", "C:\\"},  // a drive root keeps its backslash
      {"C:\\a\\wallo.exe", "C:\\a\\"},
      {"C:\\ab\\wallo.exe", "C:\\ab"},
      {"C:\\\x83\x5C\\wallo.exe", "C:\\\x83\x5C"},                        // folder "ソ"
      {"C:\\Games\\\x95\x5C\\wallo.exe", "C:\\Games\\\x95\x5C"},          // folder ending in 表
      {"C:\\Games\\\x83\x5C\x83\x74\x83\x67.exe", "C:\\Games"},           // ソフト.exe
      {"C:\\\x94\x5C\x97\xCD\\x\\wallo.exe", "C:\\\x94\x5C\x97\xCD\\x"},  // 能力\x
      {"\\\\server\\share\\wallo.exe", "\\\\server\\share"},
      {"wallo.exe", nullptr},
      {"\\wallo.exe", nullptr},  // position 0 is never looked at
      {"", nullptr},
  };
  for (const Case& c : cases) {
    char path[520];
    lstrcpyA(path, c.path);
    int end = ProgramFolderEnd(path);
    if (c.folder == nullptr) {
      EXPECT_EQ(end, -1) << c.path;
      continue;
    }
    ASSERT_GE(end, 0) << c.path;
    path[end] = '\0';
    EXPECT_STREQ(path, c.folder) << c.path;
  }
}

TEST(SetWorkingDirToExe, MakesTheProgramFolderCurrent) {
  std::string elsewhere = MakeScratchFolder("cwd");
  SetCurrentDirectoryA(elsewhere.c_str());
  ASSERT_TRUE(SetWorkingDirToExe());
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  std::string folder = ProgramFolder();
  EXPECT_EQ(std::string(current) + "\\", folder);
  RemoveFolderTree(elsewhere);
}
