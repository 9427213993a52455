#include <math.h>

#include "tests/native/game_fixture.h"

namespace {

// Play-clock values at which packets are launched, between two clocks.
std::vector<uint32_t> Launches(Course course, uint32_t from, uint32_t to) {
  game.course = course;
  game.spawnClock = from;
  std::vector<uint32_t> clocks;
  while (game.spawnClock < to) {
    uint32_t clock = game.spawnClock;
    int before = fake.drawsTaken;
    SpawnStep();
    if (fake.drawsTaken != before) clocks.push_back(clock);
    game.slots[0].kind = PK_FREE;  // always room for the next one
  }
  return clocks;
}

TEST_F(GameTest, LaunchesComeFasterWithTimeAndCourse) {
  struct Case {
    Course course;
    uint32_t from, to;
    std::vector<uint32_t> launches;
  } cases[] = {
      {COURSE_DIALUP, 0, 1, {0}},
      {COURSE_ISDN, 0, 1, {0}},
      {COURSE_ADSL, 0, 1, {0}},
      {COURSE_FTTH, 0, 1, {0}},
      {COURSE_DIALUP, 450, 730, {500, 640, 720}},  // 140 steps after 500
      {COURSE_ADSL, 1190, 1221, {1196, 1200, 1220}},
      {COURSE_FTTH, 2995, 3007, {2995, 3000, 3002, 3004, 3006}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Launches(c.course, c.from, c.to), c.launches) << "course " << c.course;
  }
}

TEST_F(GameTest, LaunchPeriodsPerStageAndCourse) {
  struct Case {
    uint32_t clock;
    uint32_t periods[COURSE_COUNT];
  } cases[] = {
      {0, {100, 50, 33, 25}},   {599, {100, 50, 33, 25}}, {600, {80, 40, 26, 20}},
      {1200, {60, 30, 20, 15}}, {1800, {40, 20, 13, 10}}, {2400, {20, 10, 6, 5}},
      {2999, {20, 10, 6, 5}},   {3000, {10, 5, 3, 2}},    {4294967295u, {10, 5, 3, 2}},
  };
  for (const Case& c : cases) {
    for (int course = 0; course < COURSE_COUNT; ++course) {
      EXPECT_EQ(LaunchPeriod(c.clock, static_cast<Course>(course)), c.periods[course])
          << "clock " << c.clock << " course " << course;
    }
  }
}

TEST_F(GameTest, NoFreeSlotLosesTheLaunchWithoutADraw) {
  for (PacketSlot& slot : game.slots) slot.kind = PK_GET;
  SpawnStep();
  EXPECT_EQ(fake.drawsTaken, 0);
  EXPECT_EQ(game.spawnClock, 1u);
  game.slots[37].kind = PK_FREE;
  game.slots[52].kind = PK_FREE;
  game.spawnClock = 100;
  SpawnStep();
  EXPECT_NE(game.slots[37].kind, PK_FREE) << "the lowest free slot";
  EXPECT_EQ(game.slots[52].kind, PK_FREE);
}

TEST_F(GameTest, FourDrawsChooseSenderKindLabelAndReceiver) {
  struct Case {
    std::deque<int> draws;
    uint8_t sender;
    PacketKind kind;
    int label;
    double heading;
  } cases[] = {
      {{2, 1, 7, 2}, 2, PK_NORMAL, 7, M_PI / 2},                    // node 2 to node 7
      {{9, 4, 0, 0}, 9, PK_LEAK, 50, atan2(-340.0, -480.0)},        // node 9 to node 0
      {{32767, 32767, 32767, 32767}, 7, PK_NORMAL, 17, -M_PI / 2},  // top of the range
      {{10, 32764, 32767, 5}, 0, PK_LEAK, 93, M_PI / 2},            // 50 + 32767 % 54
      {{1, 8, 53, 4}, 1, PK_LEAK, 103, atan2(340.0, 360.0)},
      {{4, 3, 49, 0}, 4, PK_NORMAL, 49, atan2(340.0, -480.0)},
  };
  for (const Case& c : cases) {
    NewGame(COURSE_ISDN);
    fake.draws = c.draws;
    SpawnStep();
    const PacketSlot& slot = game.slots[0];
    SCOPED_TRACE(c.draws.front());
    EXPECT_EQ(fake.drawsTaken, 4);
    EXPECT_EQ(slot.origin, c.sender);
    EXPECT_EQ(slot.kind, c.kind);
    EXPECT_EQ(slot.label, PacketLabelTable[c.label]);
    EXPECT_EQ(slot.x, NodeTable.x[c.sender] + 12.0);
    EXPECT_EQ(slot.y, NodeTable.y[c.sender] + 12.0);
    EXPECT_DOUBLE_EQ(slot.heading, c.heading);
    EXPECT_EQ(slot.speed, 5.0);
    EXPECT_EQ(slot.timer, 0);
  }
}

}  // namespace
