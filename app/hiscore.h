// The high-score file: section "HISCORE" of .\wallo.ini beside the program,
// one decimal key per course, read and written only through the profile
// functions (a missing file, section or key reads as 0).
#pragma once

#include <windows.h>

#include "game/model.h"

#define HISCORE_FILE ".\\wallo.ini"
#define HISCORE_SECTION "HISCORE"

// Big enough for four ten-digit scores (113 bytes with the zero).
const int HISCORE_REPORT_SIZE = 120;

UINT ReadHiScore(Course course);

// Rewrites the course's key with "%u"; a failed write loses the score quietly.
void WriteHiScore(Course course, UINT hiScore);

// The text of the high-score box, the four courses read afresh.
void FormatHiScoreReport(char (&text)[HISCORE_REPORT_SIZE]);
