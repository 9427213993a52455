// What each course is called: its key in the high-score file and the
// caption of the game window.
#pragma once

#include "game/model.h"

extern const char* const HiScoreKeys[COURSE_COUNT];
extern const char* const CourseCaptions[COURSE_COUNT];

// The bare title: the caption until a course is chosen, and the title of
// the box a second copy shows.
#define APP_TITLE "Fendra"
