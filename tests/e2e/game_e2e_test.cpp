// Whole games of the real program, driven from outside.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/driver.h"
#include "tests/win32/test_files.h"

namespace {

std::string Value(const std::string& ini, const char* section, const char* key) {
  char text[64];
  GetPrivateProfileStringA(section, key, "<none>", text, sizeof text, ini.c_str());
  return text;
}

// A game played over a file that holds more than its own key.
TEST(HiScoreFile, GameRewritesItsKeyAndKeepsTheRest) {
  GameProcess game;
  WriteFileBytes(game.Ini(),
                 "[OTHER]\r\nname=value\r\n[HISCORE]\r\nISDN=870\r\nDIALUP=0007\r\nFTTH=55\r\n");
  ASSERT_TRUE(game.Start());
  HWND dialog = game.WaitForCourseDialog();
  ASSERT_NE(dialog, nullptr);
  ClickButton(dialog, IDOK);
  HWND window = game.WaitForGameWindow();
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(game.WaitForExit(), 0u);
  EXPECT_EQ(Value(game.Ini(), "HISCORE", "DIALUP"), "7") << "rewritten with %u";
  EXPECT_EQ(Value(game.Ini(), "HISCORE", "ISDN"), "870");
  EXPECT_EQ(Value(game.Ini(), "HISCORE", "FTTH"), "55");
  EXPECT_EQ(Value(game.Ini(), "OTHER", "name"), "value");
}

}  // namespace
