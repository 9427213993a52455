#include <math.h>

#include "tests/native/game_fixture.h"

namespace {

TEST_F(GameTest, ReadyAndGoLastThirtyStepsAndTheSwitchingStepsAlreadyAct) {
  fake.held = {KEY_UP};
  Ticks(29);
  EXPECT_EQ(game.phase, PHASE_READY);
  EXPECT_EQ(game.barY, 230) << "the bar is frozen in READY";
  Tick();  // 30: GO, and the bar already moves
  EXPECT_EQ(game.phase, PHASE_GO);
  EXPECT_EQ(game.barY, 226);
  EXPECT_EQ(fake.drawsTaken, 0);
  Ticks(29);
  EXPECT_EQ(game.phase, PHASE_GO);
  EXPECT_EQ(fake.drawsTaken, 0) << "no launch in GO";
  Tick();  // 60: PLAY, and the first packet is launched and moved
  EXPECT_EQ(game.phase, PHASE_PLAY);
  EXPECT_EQ(fake.drawsTaken, 4);
  EXPECT_EQ(game.spawnClock, 1u);
  EXPECT_NE(game.slots[0].kind, PK_FREE);
  // READY and GO repaint their banner every step.
  EXPECT_EQ(fake.areas[0], (Area{240, 200, 500, 260}));
}

TEST_F(GameTest, LastLifeGoneFreezesTheGameThenClosesItAfter120Steps) {
  game.phase = PHASE_PLAY;
  game.spawnClock = 1;  // no launch due
  game.barX = 28;
  game.lives = 1;
  game.score = 70;
  PacketSlot& miss = Flying(0, PK_LEAK, 2, 7);
  miss.y = 398.0;  // lands on node 7, far from home
  Flying(1, PK_NORMAL, 8, 3);
  Tick();  // the miss takes the last life; the step itself goes on
  ASSERT_EQ(game.slots[0].kind, PK_BOO);
  EXPECT_EQ(game.lives, 0);
  EXPECT_EQ(game.phase, PHASE_PLAY);
  fake.held = {KEY_LEFT, KEY_DOWN};
  GameState before = game;
  fake.wholeRepaints = 0;
  fake.effects.clear();

  Tick();  // enters GAMEOVER and does nothing else
  EXPECT_EQ(game.phase, PHASE_GAMEOVER);
  EXPECT_EQ(game.phaseTicks, 0);
  EXPECT_EQ(fake.wholeRepaints, 0);
  for (int step = 1; step <= 119; ++step) {
    Tick();
    ASSERT_EQ(fake.destroys, 0) << step;
  }
  EXPECT_EQ(fake.wholeRepaints, 1) << "only the first GAMEOVER step";
  Tick();
  EXPECT_EQ(fake.destroys, 1);
  EXPECT_EQ(game.score, before.score);
  EXPECT_EQ(game.lives, 0);
  EXPECT_EQ(game.barX, before.barX);
  EXPECT_EQ(game.barY, before.barY);
  EXPECT_EQ(game.spawnClock, before.spawnClock);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(game.slots[i].kind, before.slots[i].kind) << i;
    EXPECT_EQ(game.slots[i].x, before.slots[i].x) << i;
    EXPECT_EQ(game.slots[i].y, before.slots[i].y) << i;
  }
  EXPECT_TRUE(fake.effects.empty());
}

TEST_F(GameTest, GatesDropMessagesWithoutATrace) {
  struct Case {
    const char* what;
    bool foreground;
    uintptr_t timerId;
    uint32_t last, now;
    bool accepted;
  } cases[] = {
      {"in front, 50 ms", true, GAME_TIMER_ID, 1000, 1050, true},
      {"behind another window", false, GAME_TIMER_ID, 1000, 5000, false},
      {"another timer", true, 1, 1000, 5000, false},
      {"40 ms after the last step", true, GAME_TIMER_ID, 1000, 1040, false},
      {"44 ms", true, GAME_TIMER_ID, 1000, 1044, false},
      {"45 ms: a timer gap a little short of 50", true, GAME_TIMER_ID, 1000, 1045, true},
      {"the counter wrapped", true, GAME_TIMER_ID, 0xFFFFFFF0u, 0x20, true},
      {"wrapped, too early", true, GAME_TIMER_ID, 0xFFFFFFF0u, 0x10, false},
      {"the first message of a game", true, GAME_TIMER_ID, 0, 30, false},
      {"the first message, clock past 45", true, GAME_TIMER_ID, 0, 123456, true},
  };
  for (const Case& c : cases) {
    NewGame(COURSE_DIALUP);
    game.lastTickTime = c.last;
    fake.foreground = c.foreground;
    fake.now = c.now;
    GameTick(FAKE_WINDOW, c.timerId);
    EXPECT_EQ(game.phaseTicks, c.accepted ? 1 : 0) << c.what;
    EXPECT_EQ(game.lastTickTime, c.accepted ? c.now : c.last) << c.what;
    EXPECT_EQ(fake.areas.size(), c.accepted ? 1u : 0u) << c.what;
  }
}

TEST_F(GameTest, BarStopsWithinTheLimitsOfEachCourse) {
  struct Case {
    Course course;
    int16_t top, bottom, left, right;
  } cases[] = {
      {COURSE_DIALUP, 118, 370, 28, 560},
      {COURSE_ISDN, 116, 374, 30, 564},
      {COURSE_ADSL, 118, 374, 28, 564},
      {COURSE_FTTH, 120, 370, 30, 560},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.course);
    struct Hold {
      int key;
      int16_t* field;
      int16_t limit;
    } holds[] = {{KEY_UP, &game.barY, c.top},
                 {KEY_DOWN, &game.barY, c.bottom},
                 {KEY_LEFT, &game.barX, c.left},
                 {KEY_RIGHT, &game.barX, c.right}};
    for (const Hold& hold : holds) {
      NewGame(c.course);
      fake.held = {hold.key};
      for (int i = 0; i < 200; ++i) MoveBar(FAKE_WINDOW);
      EXPECT_EQ(*hold.field, hold.limit) << "key " << hold.key;
    }
  }
  // Dial-up reaches the top in 28 steps, fibre in 11.
  NewGame(COURSE_DIALUP);
  fake.held = {KEY_UP};
  for (int i = 0; i < 28; ++i) MoveBar(FAKE_WINDOW);
  EXPECT_EQ(fake.areas.size(), 28u);
  MoveBar(FAKE_WINDOW);
  EXPECT_EQ(fake.areas.size(), 28u);
  NewGame(COURSE_FTTH);
  fake.held = {KEY_UP};
  for (int i = 0; i < 12; ++i) MoveBar(FAKE_WINDOW);
  EXPECT_EQ(fake.areas.size(), 11u);
}

TEST_F(GameTest, BarMovesOneWayPerAxisAndRepaintsWhatItSwept) {
  struct Case {
    std::set<int> keys;
    int16_t x, y;
    std::vector<Area> areas;
  } cases[] = {
      {{KEY_UP}, 300, 226, {{300, 226, 332, 239}}},
      {{KEY_DOWN}, 300, 234, {{300, 230, 332, 243}}},
      {{KEY_LEFT}, 296, 230, {{296, 230, 332, 239}}},
      {{KEY_RIGHT}, 304, 230, {{300, 230, 336, 239}}},
      {{KEY_UP, KEY_DOWN}, 300, 226, {{300, 226, 332, 239}}},
      {{KEY_LEFT, KEY_RIGHT}, 296, 230, {{296, 230, 332, 239}}},
      // Diagonal: the vertical area at the old x, the horizontal at the new y.
      {{KEY_DOWN, KEY_RIGHT}, 304, 234, {{300, 230, 332, 243}, {300, 234, 336, 243}}},
      {{}, 300, 230, {}},
  };
  for (const Case& c : cases) {
    NewGame(COURSE_DIALUP);
    fake.held = c.keys;
    MoveBar(FAKE_WINDOW);
    EXPECT_EQ(game.barX, c.x);
    EXPECT_EQ(game.barY, c.y);
    EXPECT_EQ(fake.areas, c.areas);
  }
  // Up held at the top: still, although down is held too.
  NewGame(COURSE_FTTH);
  game.barY = 120;
  fake.held = {KEY_UP, KEY_DOWN};
  MoveBar(FAKE_WINDOW);
  EXPECT_EQ(game.barY, 120);
  EXPECT_TRUE(fake.areas.empty());
}

}  // namespace
