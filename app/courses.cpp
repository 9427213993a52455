#include "app/courses.h"

const char* const HiScoreKeys[COURSE_COUNT] = {"DIALUP", "ISDN", "ADSL", "FTTH"};

// Title, blank, hyphen, blank, course name; only dial-up has a blank
// before "コース".
const char* const CourseCaptions[COURSE_COUNT] = {
    APP_TITLE " - ダイヤルアップ コース",
    APP_TITLE " - ISDNコース",
    APP_TITLE " - ADSLコース",
    APP_TITLE " - 光コース",
};
