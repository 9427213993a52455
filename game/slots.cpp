// Packet flight, strikes by the bar, arrivals and badges.
#include <math.h>
#include <string.h>

#include "game/tick.h"
#include "res/resource.h"

const double TOP_ARRIVAL_LINE = 92.0;      // lower edge of the top computers
const double BOTTOM_ARRIVAL_LINE = 400.0;  // upper edge of the bottom computers
const int16_t STRIKE_COOLDOWN = 3;         // updates the bar cannot strike again
const double BADGE_RISE = 2.0;             // pixels per update
const int16_t BADGE_LAST_AGE = 15;         // freed on its 16th update
const int BADGE_AREA_WIDTH = 113;          // the widest badge
const int BADGE_AREA_HEIGHT = 37;          // the tallest badge and the strip it left

// A packet picture and its label, 10 pixels per label byte.
static void InvalidatePacket(GameWindow window, double x, double y, const char* label) {
  int left = static_cast<int>(x), top = static_cast<int>(y);
  int width = 10 * static_cast<int>(strlen(label)) + PACKET_SIZE;
  InvalidateArea(window, left, top, left + width, top + 13);
}

// The first computer of the row the packet is heading into whose window
// holds x, or -1.
static int ArrivalNode(double x, double y, double oldY) {
  int first;
  if (y < TOP_ARRIVAL_LINE && y < oldY) {
    first = 0;
  } else if (y > BOTTOM_ARRIVAL_LINE && y > oldY) {
    first = 5;
  } else {
    return -1;
  }
  for (int m = first; m < first + 5; ++m) {
    if (NodeTable.x[m] <= x && x <= NodeTable.x[m] + NODE_SIZE) return m;
  }
  return -1;
}

static void Arrive(GameWindow window, PacketSlot& slot, int node) {
  slot.x = NodeTable.x[node] + NODE_SIZE / 2;
  slot.y = NodeTable.y[node] - NODE_SIZE / 2;
  slot.timer = 0;
  bool home = node == slot.origin;
  if (slot.kind == PK_LEAK && home) {
    slot.kind = PK_THANKS;
    PlayEffect(IDW_THANKS);
    game.score += 20;
  } else if (slot.kind == PK_NORMAL && !home) {
    slot.kind = PK_GET;
    PlayEffect(IDW_GET);
    game.score += 10;
  } else {
    slot.kind = PK_BOO;
    PlayEffect(IDW_BOO);
    if (game.lives > 0) --game.lives;
  }
  InvalidateWhole(window);  // the badge, the score and the lives
}

static bool InHitBox(double x, double y) {
  return game.barX - 8 <= x && x <= game.barX + BAR_WIDTH && game.barY - 8 <= y &&
         y <= game.barY + BAR_HEIGHT;
}

static void PacketStep(GameWindow window, PacketSlot& slot) {
  double oldX = slot.x, oldY = slot.y;
  slot.x += cos(slot.heading) * slot.speed;
  slot.y += sin(slot.heading) * slot.speed;
  InvalidatePacket(window, oldX, oldY, slot.label);
  InvalidatePacket(window, slot.x, slot.y, slot.label);

  int node = ArrivalNode(slot.x, slot.y, oldY);
  if (node >= 0) {
    Arrive(window, slot, node);
    return;
  }
  if (slot.timer != 0) {
    --slot.timer;  // cooling down: passes through the bar
    return;
  }
  // The old position counts too, so a fast packet cannot jump the bar.
  if (InHitBox(slot.x, slot.y) || InHitBox(oldX, oldY)) {
    PlayEffect(IDW_DEFLECT);
    slot.x = oldX;
    slot.y = oldY;
    game.score += 5;
    slot.speed = -slot.speed;
    slot.timer = STRIKE_COOLDOWN;
    InvalidateArea(window, 250, 0, 619, 24);  // the score line
  }
}

static void BadgeStep(GameWindow window, PacketSlot& slot) {
  slot.y -= BADGE_RISE;
  int left = static_cast<int>(slot.x), top = static_cast<int>(slot.y);
  InvalidateArea(window, left, top, left + BADGE_AREA_WIDTH, top + BADGE_AREA_HEIGHT);
  if (++slot.timer > BADGE_LAST_AGE) {
    slot.kind = PK_FREE;
    slot.timer = 0;
  }
}

void UpdateSlots(GameWindow window) {
  for (PacketSlot& slot : game.slots) {
    switch (slot.kind) {
      case PK_NORMAL:
      case PK_LEAK:
        PacketStep(window, slot);
        break;
      case PK_GET:
      case PK_THANKS:
      case PK_BOO:
        BadgeStep(window, slot);
        break;
      default:  // free
        break;
    }
  }
}
