// One game step and its parts: the phase clock, the bar, the spawner and
// the packet update. They change the game record and mark what changed.
#pragma once

#include <stdint.h>

#include "game/model.h"
#include "game/platform.h"

const int16_t READY_TICKS = 30;
const int16_t GO_TICKS = 30;
const int16_t GAMEOVER_TICKS = 120;

// A timer message counts as a step once this much time has passed since the
// last accepted step. The timer runs at 50 ms, but its gaps scatter a few
// milliseconds around that; a strict 50 would drop whole steps.
const uint32_t MIN_TICK_GAP_MS = 45;

void GameTick(GameWindow window, uintptr_t timerId);
void MoveBar(GameWindow window);
void SpawnStep();
void UpdateSlots(GameWindow window);

// Ticks between launches for the course at this play-clock value.
uint32_t LaunchPeriod(uint32_t spawnClock, Course course);
