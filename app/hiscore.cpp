#include "app/hiscore.h"

#include "app/courses.h"

UINT ReadHiScore(Course course) {
  return GetPrivateProfileIntA(HISCORE_SECTION, HiScoreKeys[course], 0, HISCORE_FILE);
}

void WriteHiScore(Course course, UINT hiScore) {
  char text[16];
  wsprintfA(text, "%u", hiScore);
  WritePrivateProfileStringA(HISCORE_SECTION, HiScoreKeys[course], text, HISCORE_FILE);
}

void FormatHiScoreReport(char (&text)[HISCORE_REPORT_SIZE]) {
  UINT dialup = ReadHiScore(COURSE_DIALUP);
  UINT isdn = ReadHiScore(COURSE_ISDN);
  UINT adsl = ReadHiScore(COURSE_ADSL);
  UINT ftth = ReadHiScore(COURSE_FTTH);
  wsprintfA(text,
            "ダイヤルアップコース：%u点\r\nISDNコース：%u点\r\nADSLコース：%u点\r\n"
            "光コース：%u点\r\n",
            dialup, isdn, adsl, ftth);
}
