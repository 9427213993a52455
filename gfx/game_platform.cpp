// What the rules reach of Windows, defined with the real calls.
#include <stdlib.h>
#include <windows.h>

#include "app/shell.h"
#include "game/platform.h"
#include "sound/effects.h"

bool KeyHeld(int key) {
  return GetAsyncKeyState(key) < 0;
}

uint32_t MillisecondClock() {
  return timeGetTime();
}

bool IsForeground(GameWindow window) {
  return GetForegroundWindow() == window;
}

void InvalidateWhole(GameWindow window) {
  InvalidateRect(window, NULL, TRUE);
}

void DestroyGameWindow(GameWindow window) {
  DestroyWindow(window);
}

void PlayEffect(int waveId) {
  PlaySoundA(MAKEINTRESOURCEA(waveId), appInstance, EFFECT_FLAGS);
}

int RandomDraw() {
  return rand();
}
