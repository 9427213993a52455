// The course dialog of the real program, driven from outside.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/driver.h"
#include "tests/win32/test_files.h"

namespace {

// "Fendra - ダイヤルアップ コース" as the Shift-JIS bytes the caption must hold.
const char DIALUP_CAPTION[] =
    "Fendra - \x83\x5F\x83\x43\x83\x84\x83\x8B\x83\x41\x83\x62\x83\x76 \x83\x52\x81\x5B\x83\x58";

std::string Sections(const std::string& ini) {
  char names[256] = {};
  DWORD length = GetPrivateProfileSectionNamesA(names, sizeof names, ini.c_str());
  return std::string(names, length);
}

std::string SectionLines(const std::string& ini, const char* section) {
  char lines[256] = {};
  DWORD length = GetPrivateProfileSectionA(section, lines, sizeof lines, ini.c_str());
  return std::string(lines, length);
}

bool IsChecked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(CourseDialog, OpensOnDialUpWithTheFocusThereAndEnterStartsIt) {
  GameProcess game;
  ASSERT_TRUE(game.Start());
  HWND dialog = game.WaitForCourseDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(IsChecked(dialog, IDC_DIALUP));
  for (int id : {IDC_ISDN, IDC_ADSL, IDC_FTTH}) EXPECT_FALSE(IsChecked(dialog, id)) << id;
  ASSERT_TRUE(WaitForForeground(dialog));
  // Checking the radio made it a tab stop, so it takes the focus.
  EXPECT_EQ(FocusOf(dialog), GetDlgItem(dialog, IDC_DIALUP));

  PressKey(VK_RETURN);
  HWND window = game.WaitForGameWindow();
  ASSERT_NE(window, nullptr) << "Enter did not start a game";
  EXPECT_EQ(WindowText(window), DIALUP_CAPTION);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 620);
  EXPECT_EQ(client.bottom, 440);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(game.WaitForExit(), 0u);
}

// Start with a course chosen (or none touched); the first game ever then
// leaves a file with the one section and the course's key.
TEST(CourseDialog, StartOpensTheCourseAndTheFirstGameWritesItsKey) {
  struct Case {
    int radio;  // 0: none touched
    const char* caption;
    const char* key;
  } cases[] = {
      {0, DIALUP_CAPTION, "DIALUP=0"},
      {IDC_ISDN, "Fendra - ISDNコース", "ISDN=0"},
      {IDC_ADSL, "Fendra - ADSLコース", "ADSL=0"},
      {IDC_FTTH, "Fendra - 光コース", "FTTH=0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    GameProcess game;
    ASSERT_TRUE(game.Start());
    HWND dialog = game.WaitForCourseDialog();
    ASSERT_NE(dialog, nullptr);
    if (c.radio) {
      ClickButton(dialog, c.radio);
      for (int tries = 0; tries < 100 && !IsChecked(dialog, c.radio); ++tries) Sleep(20);
      EXPECT_TRUE(IsChecked(dialog, c.radio));
      EXPECT_FALSE(IsChecked(dialog, IDC_DIALUP)) << "the radios exclude one another";
    }
    ClickButton(dialog, IDOK);
    HWND window = game.WaitForGameWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), c.caption);
    EXPECT_FALSE(FileExists(game.Ini())) << "written only when the game ends";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(game.WaitForExit(), 0u);
    EXPECT_EQ(Sections(game.Ini()), std::string("HISCORE\0", 8));
    EXPECT_EQ(SectionLines(game.Ini(), "HISCORE"), std::string(c.key) + '\0');
  }
}

TEST(CourseDialog, LeavingEndsWithExitCodeZeroAndNoFile) {
  enum Way { ESCAPE_KEY, CLOSE_BOX, EXIT_BUTTON };
  for (Way way : {ESCAPE_KEY, CLOSE_BOX, EXIT_BUTTON}) {
    SCOPED_TRACE(way);
    GameProcess game;
    ASSERT_TRUE(game.Start());
    HWND dialog = game.WaitForCourseDialog();
    ASSERT_NE(dialog, nullptr);
    if (way == ESCAPE_KEY) {
      ASSERT_TRUE(WaitForForeground(dialog));
      PressKey(VK_ESCAPE);
    } else if (way == CLOSE_BOX) {
      PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
      ClickButton(dialog, IDCANCEL);
    }
    EXPECT_EQ(game.WaitForExit(), 0u);
    EXPECT_FALSE(FileExists(game.Ini()));
  }
}

TEST(CourseDialog, HiScoreBoxShowsTheStoredScoresAndLeavesTheFileAlone) {
  GameProcess game;
  const std::string ini = "[HISCORE]\r\nDIALUP=12abc\r\nISDN=870\r\n";
  WriteFileBytes(game.Ini(), ini);
  ASSERT_TRUE(game.Start());
  HWND dialog = game.WaitForCourseDialog();
  ASSERT_NE(dialog, nullptr);
  for (int press = 0; press < 2; ++press) {  // read afresh at every press
    ClickButton(dialog, IDC_HISCORE);
    HWND box = game.WaitForWindow("#32770", "ハイスコア表示");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
    MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text,
              "ダイヤルアップコース：12点\r\nISDNコース：870点\r\nADSLコース：0点\r\n"
              "光コース：0点\r\n");
    EXPECT_TRUE(view.hasIcon);
    EXPECT_TRUE(view.okOnly);
    ClickButton(box, IDOK);
    for (int tries = 0; tries < 100 && IsWindow(box); ++tries) Sleep(20);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
  }
  ClickButton(dialog, IDCANCEL);
  EXPECT_EQ(game.WaitForExit(), 0u);
  EXPECT_EQ(ReadFileBytes(game.Ini()), ini);
}

TEST(SingleInstance, SecondCopyDuringTheDialogSaysOneRuns) {
  GameProcess first;
  ASSERT_TRUE(first.Start());
  HWND dialog = first.WaitForCourseDialog();
  ASSERT_NE(dialog, nullptr);

  GameProcess second;
  ASSERT_TRUE(second.Start());
  HWND box = second.WaitForWindow("#32770", "Fendra");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.text, "すでに起動しています。");
  EXPECT_FALSE(view.hasIcon);
  EXPECT_TRUE(view.okOnly);
  ClickButton(box, IDOK);
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_FALSE(FileExists(second.Ini()));

  EXPECT_TRUE(IsWindow(dialog)) << "the first copy goes on";
  ClickButton(dialog, IDCANCEL);
  EXPECT_EQ(first.WaitForExit(), 0u);
}

}  // namespace
