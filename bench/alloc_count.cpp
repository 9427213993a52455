// Counts the heap allocations of 10,000 game steps on the fibre course with
// all 64 slots busy; the game must make none. Built with the linker wrapping
// malloc, calloc, realloc and operator new, so that every call from any
// object of this program is counted. Prints the figure; fails when it is not 0.
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <new>

#include "game/model.h"
#include "game/tick.h"

static unsigned long allocations;
static bool counting;

extern "C" {
void* __real_malloc(size_t size);
void* __real_calloc(size_t count, size_t size);
void* __real_realloc(void* block, size_t size);
void* __real__Znwm(size_t size);
void* __real__Znam(size_t size);

void* __wrap_malloc(size_t size) {
  if (counting) ++allocations;
  return __real_malloc(size);
}
void* __wrap_calloc(size_t count, size_t size) {
  if (counting) ++allocations;
  return __real_calloc(count, size);
}
void* __wrap_realloc(void* block, size_t size) {
  if (counting) ++allocations;
  return __real_realloc(block, size);
}
void* __wrap__Znwm(size_t size) {
  if (counting) ++allocations;
  return __real__Znwm(size);
}
void* __wrap__Znam(size_t size) {
  if (counting) ++allocations;
  return __real__Znam(size);
}
}

// A quiet system: always in front, a step every 50 ms, the bar sweeping,
// random draws from a fixed sequence.
static uint32_t clockMs;
static unsigned sweep;
static uint32_t seed = 12345;
bool KeyHeld(int key) {
  return (sweep / 40 % 2 == 0) ? key == KEY_LEFT : key == KEY_RIGHT;
}
uint32_t MillisecondClock() {
  return clockMs;
}
bool IsForeground(GameWindow) {
  return true;
}
void InvalidateArea(GameWindow, int, int, int, int) {}
void InvalidateWhole(GameWindow) {}
void DestroyGameWindow(GameWindow) {}
void PlayEffect(int) {}
int RandomDraw() {
  seed = seed * 1103515245 + 12345;
  return (seed >> 16) & 0x7FFF;
}

// Fills every free slot with a packet from a random computer to one of the
// other row, as the spawner would.
static void FillFreeSlots() {
  for (PacketSlot& slot : game.slots) {
    if (slot.kind != PK_FREE) continue;
    int from = RandomDraw() % 10;
    int to = (from < 5 ? 5 : 0) + RandomDraw() % 5;
    slot.kind = RandomDraw() % 2 ? PK_LEAK : PK_NORMAL;
    slot.origin = static_cast<uint8_t>(from);
    slot.x = NodeTable.x[from] + 12;
    slot.y = NodeTable.y[from] + (from < 5 ? 33 : -9);
    double dx = NodeTable.x[to] - NodeTable.x[from], dy = NodeTable.y[to] - NodeTable.y[from];
    slot.heading = atan2(dy, dx);
    slot.speed = CourseTable.packetSpeed[COURSE_FTTH];
    slot.timer = 0;
    slot.label = PacketLabelTable[RandomDraw() % LABEL_COUNT];
  }
}

int main() {
  const int STEPS = 10000;
  game.course = COURSE_FTTH;
  SetStartingValues(game);
  game.phase = PHASE_PLAY;
  counting = true;
  for (int step = 0; step < STEPS; ++step) {
    FillFreeSlots();
    game.lives = 5;  // keep playing
    clockMs += 50;
    ++sweep;
    GameTick(reinterpret_cast<GameWindow>(1), GAME_TIMER_ID);
  }
  counting = false;
  printf("heap allocations during %d steps with all %zu slots busy: %lu\n", STEPS,
         sizeof game.slots / sizeof game.slots[0], allocations);
  return allocations == 0 ? 0 : 1;
}
