// The few things the rules need of the system. The Windows shell defines
// them with the real calls; the tests define them as scripted fakes.
#pragma once

#include <stdint.h>

// The game window; the same type as the shell's HWND.
typedef struct HWND__* GameWindow;

// Arrow keys, with the codes Windows gives them.
const int KEY_LEFT = 0x25;
const int KEY_UP = 0x26;
const int KEY_RIGHT = 0x27;
const int KEY_DOWN = 0x28;

bool KeyHeld(int key);                 // held now (GetAsyncKeyState sign bit)
uint32_t MillisecondClock();           // timeGetTime()
bool IsForeground(GameWindow window);  // GetForegroundWindow() == window
void InvalidateArea(GameWindow window, int left, int top, int right, int bottom);
void InvalidateWhole(GameWindow window);  // the whole client area, erased
void DestroyGameWindow(GameWindow window);
void PlayEffect(int waveId);  // one of the IDW_ sounds, asynchronously
int RandomDraw();             // rand(): 0 to 32767
