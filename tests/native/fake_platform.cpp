#include "tests/native/fake_platform.h"

FakeSystem fake;

bool KeyHeld(int key) {
  return fake.held.count(key) != 0;
}
uint32_t MillisecondClock() {
  return fake.now;
}
bool IsForeground(GameWindow window) {
  return fake.foreground && window == FAKE_WINDOW;
}
void InvalidateArea(GameWindow, int left, int top, int right, int bottom) {
  fake.areas.push_back({left, top, right, bottom});
}
void InvalidateWhole(GameWindow) {
  ++fake.wholeRepaints;
}
void DestroyGameWindow(GameWindow) {
  ++fake.destroys;
}
void PlayEffect(int waveId) {
  fake.effects.push_back(waveId);
}
int RandomDraw() {
  ++fake.drawsTaken;
  if (fake.draws.empty()) return 0;
  int value = fake.draws.front();
  fake.draws.pop_front();
  return value;
}
