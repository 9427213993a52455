#include "res/resource.h"
#include "tests/native/game_fixture.h"

namespace {

// A packet of `kind` judged where it lands: its badge, the score and lives
// after it, and the sound of the judgement.
struct Outcome {
  PacketKind kind;
  PacketKind badge;
  uint32_t score;
  int16_t lives;
  int sound;
};

// Dial-up, node 2 straight down to node 7, the bar at its start (300, 230):
// struck on update 43 and put back to y 219, home 37 updates later.
TEST_F(GameTest, StruckPacketFliesHomeAndIsJudgedThere) {
  const Outcome cases[] = {
      {PK_LEAK, PK_THANKS, 25, 5, IDW_THANKS},
      {PK_NORMAL, PK_BOO, 5, 4, IDW_BOO},
  };
  for (const Outcome& c : cases) {
    NewGame(COURSE_DIALUP);
    PacketSlot& slot = Flying(0, c.kind, 2, 7);
    Updates(42);
    EXPECT_EQ(game.score, 0u);
    Updates(1);
    EXPECT_EQ(game.score, 5u) << "struck on update 43";
    EXPECT_EQ(slot.y, 219.0);
    EXPECT_EQ(slot.speed, -3.5);
    EXPECT_EQ(slot.timer, 3);
    EXPECT_EQ(fake.areas.back(), (Area{250, 0, 619, 24})) << "the score line";
    Updates(36);
    EXPECT_EQ(slot.kind, c.kind);
    Updates(1);
    EXPECT_EQ(slot.kind, c.badge);
    EXPECT_EQ(slot.x, 316.0);
    EXPECT_EQ(slot.y, 44.0);
    EXPECT_EQ(game.score, c.score);
    EXPECT_EQ(game.lives, c.lives);
    EXPECT_EQ(fake.effects, (std::vector<int>{IDW_DEFLECT, c.sound}));
    EXPECT_EQ(fake.wholeRepaints, 1);
  }
}

TEST_F(GameTest, UntouchedPacketsAreJudgedWhereTheyLand) {
  const Outcome cases[] = {
      {PK_NORMAL, PK_GET, 10, 5, IDW_GET},
      {PK_LEAK, PK_BOO, 0, 4, IDW_BOO},
  };
  for (const Outcome& c : cases) {
    NewGame(COURSE_DIALUP);
    game.barX = 28;  // out of the way
    PacketSlot& slot = Flying(0, c.kind, 2, 7);
    Updates(93);
    EXPECT_EQ(slot.kind, c.kind);
    Updates(1);  // y 401, past the line at 400
    EXPECT_EQ(slot.kind, c.badge);
    EXPECT_EQ(slot.x, 316.0);
    EXPECT_EQ(slot.y, 384.0);
    EXPECT_EQ(game.score, c.score);
    EXPECT_EQ(game.lives, c.lives);
    EXPECT_EQ(fake.effects, (std::vector<int>{c.sound}));
  }
}

TEST_F(GameTest, CooldownLetsThePacketThroughTheBar) {
  game.barY = 250;
  PacketSlot& slot = Flying(0, PK_LEAK, 2, 7);
  slot.y = 245.0;
  slot.speed = 3.5;
  Updates(1);  // 248.5: in the box, struck and put back to 245
  EXPECT_EQ(game.score, 5u);
  slot.speed = 3.5;  // turn it into the bar again
  Updates(3);
  EXPECT_EQ(game.score, 5u) << "three updates cool down";
  EXPECT_EQ(slot.timer, 0);
  Updates(1);
  EXPECT_EQ(game.score, 10u) << "the fourth tests the bar again";
}

TEST_F(GameTest, OldPositionInTheBoxIsStruckToo) {
  game.barX = 300;
  game.barY = 230;
  PacketSlot& slot = Flying(0, PK_NORMAL, 2, 7);
  slot.y = 238.0;  // in the box (222..239) before the move, 241.5 after
  Updates(1);
  EXPECT_EQ(game.score, 5u);
  EXPECT_EQ(slot.y, 238.0) << "put back to where it was";
}

TEST_F(GameTest, PacketStruckTwiceGoesOnToItsReceiver) {
  PacketSlot& slot = Flying(0, PK_NORMAL, 2, 7);
  Updates(43);  // first strike at 222.5, back to 219
  ASSERT_EQ(game.score, 5u);
  game.barY = 200;  // meet it again on its way up
  for (int i = 0; i < 20 && game.score == 5u; ++i) Updates(1);
  ASSERT_EQ(game.score, 10u);
  EXPECT_GT(slot.speed, 0.0) << "down again";
  game.barX = 28;
  for (int i = 0; i < 200 && slot.kind == PK_NORMAL; ++i) Updates(1);
  EXPECT_EQ(slot.kind, PK_GET);
  EXPECT_EQ(game.score, 20u);
  EXPECT_EQ(game.lives, 5);
}

TEST_F(GameTest, TwoMissesInOneUpdateWithOneLifeLeft) {
  game.lives = 1;
  game.barX = 28;
  PacketSlot& first = Flying(3, PK_LEAK, 0, 6);
  PacketSlot& second = Flying(9, PK_NORMAL, 4, 9);
  first.y = second.y = 398.0;
  first.x = 190.0;    // over node 6
  second.x = 550.0;   // over its own column, node 9
  second.origin = 9;  // ... which is also where it came from: a miss
  Updates(1);
  EXPECT_EQ(first.kind, PK_BOO);
  EXPECT_EQ(second.kind, PK_BOO);
  EXPECT_EQ(game.lives, 0);
  EXPECT_EQ(fake.effects, (std::vector<int>{IDW_BOO, IDW_BOO}));
}

TEST_F(GameTest, NewPacketsDoNotArriveAtTheirOwnSender) {
  for (int from : {0, 2, 4, 5, 7, 9}) {
    NewGame(COURSE_FTTH);
    game.barX = 564;
    game.barY = 116;
    int to = from < 5 ? from + 5 : from - 5;
    PacketSlot& slot = Flying(0, PK_LEAK, from, to);
    Updates(1);
    EXPECT_EQ(slot.kind, PK_LEAK) << "from " << from;
    EXPECT_EQ(slot.y, NodeTable.y[from] + 12.0 + (from < 5 ? 8.0 : -8.0));
  }
}

TEST_F(GameTest, PacketRepaintsWhereItWasAndWhereItIs) {
  PacketSlot& slot = Flying(0, PK_NORMAL, 2, 7);  // "メール": 6 bytes
  slot.x = 312.7;
  slot.y = 72.9;
  game.barX = 28;
  Updates(1);
  ASSERT_EQ(fake.areas.size(), 2u);
  EXPECT_EQ(fake.areas[0], (Area{312, 72, 312 + 68, 85}));
  EXPECT_EQ(fake.areas[1], (Area{312, 76, 312 + 68, 89}));
}

TEST_F(GameTest, BadgeRisesForSixteenUpdatesThenFreesItsSlot) {
  game.slots[5] = PacketSlot{PK_THANKS, 316.0, 44.0, 1.0, 3.5, 0, 2, PacketLabelTable[60]};
  Updates(15);
  EXPECT_EQ(game.slots[5].kind, PK_THANKS);
  EXPECT_EQ(game.slots[5].y, 14.0) << "last drawn 30 pixels higher";
  EXPECT_EQ(fake.areas.back(), (Area{316, 14, 316 + 113, 14 + 37}));
  Updates(1);
  EXPECT_EQ(game.slots[5].kind, PK_FREE);
  EXPECT_EQ(game.slots[5].timer, 0);
  EXPECT_EQ(game.slots[5].label, PacketLabelTable[60]) << "the rest stays";
  EXPECT_EQ(fake.areas.size(), 16u);
}

TEST_F(GameTest, GoStepsRunOverFreeSlotsAndChangeNothing) {
  game.phase = PHASE_GO;
  Tick();
  for (const PacketSlot& slot : game.slots) EXPECT_EQ(slot.kind, PK_FREE);
  EXPECT_EQ(fake.drawsTaken, 0);
  EXPECT_EQ(game.score, 0u);
}

}  // namespace
