// The four effect sounds: WAVE resources of the program, played by the game
// step at the moment of their event and stopped by WinMain at the end.
#pragma once

#include <windows.h>

#include "res/resource.h"  // IDW_THANKS, IDW_BOO, IDW_DEFLECT, IDW_GET

// From the resources, in the background, silent when it cannot play, dropped
// when the device is busy; each effect cuts off the one still sounding.
const DWORD EFFECT_FLAGS = SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT;
static_assert(EFFECT_FLAGS == 0x00042007, "the effect flags");
