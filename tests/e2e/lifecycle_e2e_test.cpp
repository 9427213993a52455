// Second copies, closing the game in each phase, and the high-score file
// when it cannot be written or the program lives in an awkward folder.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/driver.h"
#include "tests/win32/test_files.h"

namespace {

// A second copy while a game is on: it shows nothing, brings the game
// window forward (restoring it when minimised) and ends with 0.
TEST(SingleInstance, SecondCopyDuringPlayBringsTheGameForward) {
  for (bool minimised : {false, true}) {
    SCOPED_TRACE(minimised ? "minimised" : "in front");
    GameProcess first;
    HWND window = first.StartGame();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForForeground(window));
    if (minimised) {
      ShowWindow(window, SW_MINIMIZE);
      for (int tries = 0; tries < 100 && !IsIconic(window); ++tries) Sleep(20);
      ASSERT_TRUE(IsIconic(window));
    }

    GameProcess second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(WaitForForeground(window, 3000));
    EXPECT_TRUE(WaitForPhase(window, ShownPhase::READY, 3000) ||
                WaitForPhase(window, ShownPhase::GO, 3000))
        << "repainted and running";

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0u);
  }
}

// Closing the window before the game is over: no score box, and the high
// score is written (rewritten from "0050" to "50").
TEST(Closing, BeforeGameOverWritesTheHighScoreWithoutABox) {
  for (ShownPhase phase : {ShownPhase::READY, ShownPhase::GO, ShownPhase::NONE}) {
    SCOPED_TRACE(static_cast<int>(phase));
    GameProcess game;
    WriteFileBytes(game.Ini(), "[HISCORE]\r\nDIALUP=0050\r\n");
    HWND window = game.StartGame();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForForeground(window));
    if (phase == ShownPhase::NONE) {  // play: the banner has gone after GO
      ASSERT_TRUE(WaitForPhase(window, ShownPhase::GO));
    }
    ASSERT_TRUE(WaitForPhase(window, phase)) << "the phase to close in";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(game.WaitForExit(), 0u) << "no box holds it up";
    EXPECT_EQ(IniValue(game.Ini(), "HISCORE", "DIALUP"), "50");
  }
}

// Closing during the game-over banner: the score box still comes, with a
// stored high score the game did not beat, and that score is kept.
TEST(Closing, DuringGameOverShowsTheScoreBox) {
  GameProcess game;
  WriteFileBytes(game.Ini(), "[HISCORE]\r\nFTTH=999999\r\n");
  HWND window = game.StartGame(IDC_FTTH);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForForeground(window));
  ASSERT_TRUE(WaitForPhase(window, ShownPhase::GAMEOVER, 200000)) << "no game over";
  PostMessageA(window, WM_CLOSE, 0, 0);
  HWND box = game.WaitForWindow("#32770", "終了");
  ASSERT_NE(box, nullptr);
  std::string text = ReadMessageBox(box).text;
  EXPECT_EQ(text.substr(text.find("\r\n")), "\r\nハイスコア：999999") << text;
  ClickButton(box, IDOK);
  EXPECT_EQ(game.WaitForExit(), 0u);
  EXPECT_EQ(IniValue(game.Ini(), "HISCORE", "FTTH"), "999999");
}

// wallo.ini is a folder, so the score cannot be written: the game reads 0,
// plays, and ends as usual without a word.
TEST(HiScoreFile, UnwritableFileLosesTheScoreQuietly) {
  GameProcess game;
  ASSERT_TRUE(CreateDirectoryA(game.Ini().c_str(), NULL));
  HWND window = game.StartGame();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForForeground(window));
  ASSERT_TRUE(WaitForPhase(window, ShownPhase::GO));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(game.WaitForExit(), 0u);
  DWORD attributes = GetFileAttributesA(game.Ini().c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

// A folder or program name holding ソ (0x83 0x5C: its second byte is a
// backslash) is no separator: the game still works in its own folder and
// keeps its scores there, not in the folder it was started from.
TEST(ProgramFolder, DoubleByteNamesWithABackslashByteWork) {
  struct Case {
    const char* folderName;
    const char* exeName;
  } cases[] = {
      {"fendraソ", "wallo.exe"},   // the folder name ends on the 0x5C byte
      {"ソフト", "ゲームソ.exe"},  // in the middle, and in the program's name
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exeName);
    std::string parent = MakeScratchFolder("dbcs");
    std::string folder = parent + "\\" + c.folderName;
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    {
      GameProcess game(folder, c.exeName);
      WriteFileBytes(game.Ini(), "[HISCORE]\r\nDIALUP=0042\r\n");
      HWND window = game.StartGame();
      ASSERT_NE(window, nullptr);
      PostMessageA(window, WM_CLOSE, 0, 0);
      EXPECT_EQ(game.WaitForExit(), 0u);
      EXPECT_EQ(IniValue(game.Ini(), "HISCORE", "DIALUP"), "42") << "read and written there";
      EXPECT_FALSE(FileExists("C:\\wallo.ini")) << "not where it was started from";
    }
    RemoveFolderTree(parent);
  }
}

// A program lying directly in a drive root works there: the working folder
// becomes the root, with its backslash, and the scores are kept beside it.
TEST(ProgramFolder, DriveRootBecomesTheWorkingFolder) {
  std::string elsewhere = MakeScratchFolder("root");
  {
    GameProcess game("C:");
    WriteFileBytes("C:\\wallo.ini", "[HISCORE]\r\nDIALUP=0077\r\n");
    HWND window = game.StartGame(0, elsewhere.c_str());
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(game.WaitForExit(), 0u);
    EXPECT_EQ(IniValue("C:\\wallo.ini", "HISCORE", "DIALUP"), "77");
    EXPECT_FALSE(FileExists(elsewhere + "\\wallo.ini"));
  }
  DeleteFileA("C:\\wallo.exe");
  DeleteFileA("C:\\wallo.ini");
  RemoveFolderTree(elsewhere);
}

}  // namespace
