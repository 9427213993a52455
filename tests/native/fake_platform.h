// Scripted, recording stand-ins for what the rules reach of the system.
#pragma once

#include <deque>
#include <set>
#include <vector>

#include "game/platform.h"

struct Area {
  int left, top, right, bottom;
  bool operator==(const Area& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct FakeSystem {
  bool foreground = true;
  uint32_t now = 0;
  std::set<int> held;
  std::deque<int> draws;  // the next values of RandomDraw; 0 when empty
  int drawsTaken = 0;
  std::vector<Area> areas;
  int wholeRepaints = 0;
  int destroys = 0;
  std::vector<int> effects;
};
extern FakeSystem fake;

const GameWindow FAKE_WINDOW = reinterpret_cast<GameWindow>(0x1234);
