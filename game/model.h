// The playfield model: the ten computers, the course constants, the packet
// labels and the one record of the game. Plain data of fixed size; nothing
// here is allocated while a game runs.
#pragma once

#include <stdint.h>

enum Course : int32_t {
  COURSE_DIALUP = 0,
  COURSE_ISDN = 1,
  COURSE_ADSL = 2,
  COURSE_FTTH = 3,
};
const int COURSE_COUNT = 4;

enum PacketKind : uint8_t {
  PK_FREE = 0,
  PK_NORMAL = 1,  // in flight, must be let through to the far row
  PK_LEAK = 2,    // in flight, must be struck back to its sender
  PK_GET = 3,     // badge: a normal packet reached another computer
  PK_THANKS = 4,  // badge: a leak came back home
  PK_BOO = 5,     // badge: a miss
};

enum GamePhase : int16_t {
  PHASE_NONE = 0,  // before the window exists: nothing is drawn
  PHASE_READY = 1,
  PHASE_GO = 2,
  PHASE_PLAY = 3,
  PHASE_GAMEOVER = 4,
};

// Client-area geometry the playfield is laid out for, in pixels.
const int CLIENT_WIDTH = 620;
const int CLIENT_HEIGHT = 440;

const int NODE_COUNT = 10;  // nodes 0-4 form the top row, 5-9 the bottom row
const int NODE_SIZE = 32;
const int BAR_WIDTH = 32;
const int BAR_HEIGHT = 9;
const int PACKET_SIZE = 8;
const int GET_BADGE_WIDTH = 64, GET_BADGE_HEIGHT = 32;
const int THANKS_BADGE_WIDTH = 113, THANKS_BADGE_HEIGHT = 35;
const int BOO_BADGE_WIDTH = 72, BOO_BADGE_HEIGHT = 35;

// The game timer: one step per WM_TIMER, nominally 20 per second.
const unsigned GAME_TIMER_ID = 5115;
const unsigned GAME_TIMER_MS = 50;

// Two arrays of ten: all x values, then all y values (top-left corners).
struct NodeTableData {
  int16_t x[NODE_COUNT];
  int16_t y[NODE_COUNT];
};
extern const NodeTableData NodeTable;

struct CourseTableData {
  int16_t barStep[COURSE_COUNT];     // pixels per tick per held arrow key
  double packetSpeed[COURSE_COUNT];  // pixels per tick
};
extern const CourseTableData CourseTable;

// Shift-JIS labels: entries 0-49 normal, 50-103 leak. A slot points at an
// entry; the text is never copied. Byte lengths run from 2 to 12.
const int LABEL_COUNT = 104;
const int NORMAL_LABEL_COUNT = 50;
const int LEAK_LABEL_FIRST = 50;
const int LEAK_LABEL_COUNT = 54;
extern const char* const PacketLabelTable[LABEL_COUNT];

struct PacketSlot {
  PacketKind kind;
  double x;        // left edge of the packet picture or badge
  double y;        // top edge
  double heading;  // radians; y grows downwards
  double speed;    // pixels per tick; its sign flips at every strike
  int16_t timer;   // in flight: ticks the bar cannot strike it; badge: age
  uint8_t origin;  // node the packet was launched from
  const char* label;
};

const int SLOT_COUNT = 64;

struct GameState {
  Course course;
  GamePhase phase;
  int16_t phaseTicks;
  int16_t lives;
  uint32_t score;
  uint32_t hiScore;
  int16_t barX;  // top-left corner of the bar
  int16_t barY;
  uint32_t spawnClock;    // play ticks so far
  uint32_t lastTickTime;  // timeGetTime() of the last accepted tick, ms
  PacketSlot slots[SLOT_COUNT];
};

// The one game of this process: zero when the process starts.
extern GameState game;

const int16_t START_LIVES = 5;
const int16_t BAR_START_X = 300;
const int16_t BAR_START_Y = 230;

// Puts the six values a new game window starts with into `state`. Score,
// slots and the tick time keep what they hold: one process plays one game.
void SetStartingValues(GameState& state);
