// A new game in a fresh fake system, and a way to step it.
#pragma once

#include <gtest/gtest.h>
#include <math.h>

#include "game/tick.h"
#include "tests/native/fake_platform.h"

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override { NewGame(COURSE_DIALUP); }
  void NewGame(Course course) {
    game = GameState();
    game.course = course;
    SetStartingValues(game);
    fake = FakeSystem();
  }
  // One timer message, 50 ms after the previous one.
  void Tick() {
    fake.now += 50;
    GameTick(FAKE_WINDOW, GAME_TIMER_ID);
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) Tick();
  }
  // A packet in flight in slot `index`, from node `from` towards node `to`.
  PacketSlot& Flying(int index, PacketKind kind, int from, int to) {
    PacketSlot& slot = game.slots[index];
    slot.kind = kind;
    slot.x = NodeTable.x[from] + 12;
    slot.y = NodeTable.y[from] + 12;
    slot.heading = atan2((NodeTable.y[to] + 12) - slot.y, (NodeTable.x[to] + 12) - slot.x);
    slot.speed = CourseTable.packetSpeed[game.course];
    slot.timer = 0;
    slot.origin = static_cast<uint8_t>(from);
    slot.label = PacketLabelTable[kind == PK_LEAK ? 50 : 0];
    return slot;
  }
  void Updates(int count) {
    for (int i = 0; i < count; ++i) UpdateSlots(FAKE_WINDOW);
  }
};
