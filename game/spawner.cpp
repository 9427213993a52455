// The packet spawner: launches come faster as the game goes on, and faster
// on the faster courses.
#include <math.h>

#include "game/tick.h"

uint32_t LaunchPeriod(uint32_t spawnClock, Course course) {
  uint32_t base;
  if (spawnClock < 600) {
    base = 100;
  } else if (spawnClock < 1200) {
    base = 80;
  } else if (spawnClock < 1800) {
    base = 60;
  } else if (spawnClock < 2400) {
    base = 40;
  } else if (spawnClock < 3000) {
    base = 20;
  } else {
    base = 10;
  }
  return base / static_cast<uint32_t>(course + 1);
}

static PacketSlot* FirstFreeSlot() {
  for (PacketSlot& slot : game.slots) {
    if (slot.kind == PK_FREE) return &slot;
  }
  return nullptr;
}

// Four draws, in this order: sender, kind, label, receiver.
static void Launch(PacketSlot& slot) {
  const int centre = NODE_SIZE / 2 - PACKET_SIZE / 2;  // picture on the computer's centre
  int sender = RandomDraw() % NODE_COUNT;
  slot.x = NodeTable.x[sender] + centre;
  slot.y = NodeTable.y[sender] + centre;
  slot.kind = RandomDraw() % 4 == 0 ? PK_LEAK : PK_NORMAL;
  int label = slot.kind == PK_LEAK ? LEAK_LABEL_FIRST + RandomDraw() % LEAK_LABEL_COUNT
                                   : RandomDraw() % NORMAL_LABEL_COUNT;
  slot.label = PacketLabelTable[label];
  int column = RandomDraw() % 5;
  int receiver = sender < 5 ? column + 5 : column;  // any computer of the other row
  double dy = (NodeTable.y[receiver] + centre) - slot.y;
  double dx = (NodeTable.x[receiver] + centre) - slot.x;
  slot.heading = atan2(dy, dx);
  slot.speed = CourseTable.packetSpeed[game.course];
  slot.timer = 0;
  slot.origin = static_cast<uint8_t>(sender);
}

void SpawnStep() {
  if (game.spawnClock % LaunchPeriod(game.spawnClock, game.course) == 0) {
    // With every slot taken the launch is lost; nothing is drawn.
    PacketSlot* slot = FirstFreeSlot();
    if (slot) Launch(*slot);
  }
  ++game.spawnClock;
}
