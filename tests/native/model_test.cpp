#include "game/model.h"

#include <gtest/gtest.h>
#include <string.h>

#include <set>
#include <string>

// The field widths the record is made of.
static_assert(sizeof(Course) == 4 && sizeof(GamePhase) == 2 && sizeof(PacketKind) == 1);
static_assert(sizeof(GameState::barX) == 2 && sizeof(GameState::spawnClock) == 4);
static_assert(sizeof(PacketSlot::timer) == 2 && sizeof(PacketSlot::origin) == 1);

// The labels must be Shift-JIS: their byte lengths set the repainted width.
TEST(PacketLabels, AreShiftJisOfTwoToTwelveBytes) {
  struct Case {
    int entry;
    const char* bytes;
  } cases[] = {
      {0, "\x83\x81\x81\x5B\x83\x8B"},                          // メール
      {9, "\x83\x74\x83\x8A\x81\x5B\x83\x5C\x83\x74\x83\x67"},  // フリーソフト: ソ ends in 0x5C
      {36, "IP\x93\x64\x98\x62"},                               // IP電話
      {94, "\x8A\xDB\x82\x52\x82\xC2"},                         // 丸３つ: full-width 3
      {103, "\x83\x41\x83\x68\x83\x8C\x83\x58\x92\xA0"},        // アドレス帳
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(PacketLabelTable[c.entry], c.bytes) << "entry " << c.entry;
  }
  for (int i = 0; i < LABEL_COUNT; ++i) {
    size_t length = strlen(PacketLabelTable[i]);
    EXPECT_GE(length, 2u) << "entry " << i;
    EXPECT_LE(length, 12u) << "entry " << i;
  }
}

TEST(PacketLabels, NormalHalfHoldsIpPhoneTwiceAndLeakHalfIsDistinct) {
  std::set<std::string> normal(PacketLabelTable, PacketLabelTable + NORMAL_LABEL_COUNT);
  EXPECT_EQ(normal.size(), 49u);
  EXPECT_STREQ(PacketLabelTable[36], PacketLabelTable[41]);
  std::set<std::string> leak(PacketLabelTable + LEAK_LABEL_FIRST,
                             PacketLabelTable + LEAK_LABEL_FIRST + LEAK_LABEL_COUNT);
  EXPECT_EQ(leak.size(), 54u);
  EXPECT_EQ(LEAK_LABEL_FIRST + LEAK_LABEL_COUNT, LABEL_COUNT);
  // The halves do not share a text: a label tells the kind.
  for (const std::string& text : normal) EXPECT_EQ(leak.count(text), 0u) << text;
}

TEST(Nodes, RowsFaceEachOtherColumnByColumn) {
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(NodeTable.x[i], NodeTable.x[i + 5]) << i;
    EXPECT_EQ(NodeTable.y[i], 60) << i;
    EXPECT_EQ(NodeTable.y[i + 5], 400) << i;
    EXPECT_EQ(NodeTable.x[i], 60 + 120 * i) << i;
  }
}

// A new window sets exactly six values; score, slots and the tick time keep
// what the process holds.
TEST(StartingValues, SetSixFieldsAndLeaveTheRest) {
  GameState state = {};
  state.course = COURSE_ADSL;
  state.score = 77;
  state.hiScore = 500;
  state.lastTickTime = 1234;
  state.phaseTicks = 9;
  state.lives = 1;
  state.spawnClock = 40;
  state.slots[5].kind = PK_LEAK;
  state.slots[5].x = 12.5;

  SetStartingValues(state);

  EXPECT_EQ(state.phase, PHASE_READY);
  EXPECT_EQ(state.phaseTicks, 0);
  EXPECT_EQ(state.lives, 5);
  EXPECT_EQ(state.spawnClock, 0u);
  EXPECT_EQ(state.barX, 300);
  EXPECT_EQ(state.barY, 230);
  EXPECT_EQ(state.course, COURSE_ADSL);
  EXPECT_EQ(state.score, 77u);
  EXPECT_EQ(state.hiScore, 500u);
  EXPECT_EQ(state.lastTickTime, 1234u);
  EXPECT_EQ(state.slots[5].kind, PK_LEAK);
  EXPECT_EQ(state.slots[5].x, 12.5);
}

TEST(GameRecord, StartsEmptyWithTheProcess) {
  EXPECT_EQ(game.phase, PHASE_NONE);
  EXPECT_EQ(game.score, 0u);
  for (const PacketSlot& slot : game.slots) EXPECT_EQ(slot.kind, PK_FREE);
}
