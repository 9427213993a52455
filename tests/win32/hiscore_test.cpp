#include "app/hiscore.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "tests/win32/test_files.h"

// Each test works in a folder of its own, which holds the relative .\wallo.ini.
class HiScoreFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = MakeScratchFolder("hiscore");
    SetCurrentDirectoryA(folder.c_str());
  }
  void TearDown() override {
    SetCurrentDirectoryA("C:\\");
    RemoveFolderTree(folder);
  }
  std::string Ini() { return folder + "\\wallo.ini"; }
  std::string Value(const char* section, const char* key) {
    char text[64];
    GetPrivateProfileStringA(section, key, "<none>", text, sizeof text, Ini().c_str());
    return text;
  }
  std::string folder;
};

TEST_F(HiScoreFileTest, ReportShowsEachCourseAsTheProfileReadsIt) {
  struct Case {
    const char* ini;  // nullptr: no file
    const char* report;
  } cases[] = {
      {nullptr,
       "ダイヤルアップコース：0点\r\nISDNコース：0点\r\nADSLコース：0点\r\n光コース：0点\r\n"},
      {"[HISCORE]\r\nISDN=870\r\n",
       "ダイヤルアップコース：0点\r\nISDNコース：870点\r\nADSLコース：0点\r\n光コース：0点\r\n"},
      {"[HISCORE]\r\nDIALUP=12abc\r\nADSL=4294967295\r\nFTTH=abc\r\n",
       "ダイヤルアップコース：12点\r\nISDNコース：0点\r\nADSLコース：4294967295点\r\n"
       "光コース：0点\r\n"},
      {"[OTHER]\r\nISDN=5\r\n",
       "ダイヤルアップコース：0点\r\nISDNコース：0点\r\nADSLコース：0点\r\n光コース：0点\r\n"},
  };
  for (const Case& c : cases) {
    DeleteFileA(Ini().c_str());
    if (c.ini) WriteFileBytes(Ini(), c.ini);
    char text[HISCORE_REPORT_SIZE];
    FormatHiScoreReport(text);
    EXPECT_STREQ(text, c.report) << (c.ini ? c.ini : "(no file)");
  }
}

TEST_F(HiScoreFileTest, LongestReportFitsItsBuffer) {
  WriteFileBytes(Ini(),
                 "[HISCORE]\r\nDIALUP=4294967295\r\nISDN=4294967295\r\nADSL=4294967295\r\n"
                 "FTTH=4294967295\r\n");
  char text[HISCORE_REPORT_SIZE];
  memset(text, 'x', sizeof text);
  FormatHiScoreReport(text);
  EXPECT_EQ(strlen(text) + 1, 113u);
}

TEST_F(HiScoreFileTest, WriteRewritesOnlyTheCourseKey) {
  WriteFileBytes(Ini(), "[OTHER]\r\nname=value\r\n[HISCORE]\r\nISDN=870\r\nDIALUP=0007\r\n");
  EXPECT_EQ(ReadHiScore(COURSE_DIALUP), 7u);
  WriteHiScore(COURSE_DIALUP, 7);
  EXPECT_EQ(Value("HISCORE", "DIALUP"), "7");
  EXPECT_EQ(Value("HISCORE", "ISDN"), "870");
  EXPECT_EQ(Value("OTHER", "name"), "value");
  WriteHiScore(COURSE_FTTH, 4294967295u);
  EXPECT_EQ(Value("HISCORE", "FTTH"), "4294967295");
  EXPECT_EQ(ReadHiScore(COURSE_FTTH), 4294967295u);
}

TEST_F(HiScoreFileTest, FirstWriteMakesTheFileWithOneSectionAndKey) {
  WriteHiScore(COURSE_ADSL, 0);
  char names[64] = {};
  GetPrivateProfileSectionNamesA(names, sizeof names, Ini().c_str());
  EXPECT_STREQ(names, "HISCORE");
  EXPECT_EQ(names[strlen(names) + 1], '\0') << "a second section";
  char keys[64] = {};
  GetPrivateProfileSectionA("HISCORE", keys, sizeof keys, Ini().c_str());
  EXPECT_STREQ(keys, "ADSL=0");
  EXPECT_EQ(keys[strlen(keys) + 1], '\0') << "a second key";
}

// A folder where the file should be: the write fails and the score is lost.
TEST_F(HiScoreFileTest, UnwritableFileLosesTheScoreQuietly) {
  ASSERT_TRUE(CreateDirectoryA(Ini().c_str(), NULL));
  WriteHiScore(COURSE_ISDN, 990);
  EXPECT_EQ(ReadHiScore(COURSE_ISDN), 0u);
}
