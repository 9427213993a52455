// The game clock: gates, phases and the bar.
#include "game/tick.h"

static void InvalidateBanner(GameWindow window, int left, int right) {
  InvalidateArea(window, left, 200, right, 260);
}

// A banner phase: counts its steps, then hands over to the next phase.
static void CountDown(GameWindow window, int16_t length, GamePhase next, int bannerLeft) {
  if (++game.phaseTicks >= length) {
    game.phase = next;
    game.phaseTicks = 0;
  }
  InvalidateBanner(window, bannerLeft, 500);
}

// Advances the phase; false when the step ends here.
static bool PhaseStep(GameWindow window) {
  switch (game.phase) {
    case PHASE_READY:
      CountDown(window, READY_TICKS, PHASE_GO, 240);
      return true;
    case PHASE_GO:
      CountDown(window, GO_TICKS, PHASE_PLAY, 280);
      return true;
    case PHASE_GAMEOVER:
      if (game.phaseTicks == 0) InvalidateWhole(window);
      if (++game.phaseTicks >= GAMEOVER_TICKS) {
        DestroyGameWindow(window);
      } else {
        InvalidateBanner(window, 200, 540);
      }
      return false;
    case PHASE_PLAY:
      if (game.lives <= 0) {
        // The step after the last life went: everything freezes.
        game.phase = PHASE_GAMEOVER;
        game.phaseTicks = 0;
        return false;
      }
      return true;
    default:
      return false;
  }
}

void GameTick(GameWindow window, uintptr_t timerId) {
  if (!IsForeground(window)) return;  // the game stands still behind others
  if (timerId != GAME_TIMER_ID) return;
  uint32_t now = MillisecondClock();
  if (now - game.lastTickTime < MIN_TICK_GAP_MS) return;  // unsigned: wraps safely
  game.lastTickTime = now;

  if (!PhaseStep(window)) return;
  // The phase may just have switched: the 30th READY step already moves the
  // bar, and the 30th GO step is already a full play step.
  if (game.phase != PHASE_GO && game.phase != PHASE_PLAY) return;
  MoveBar(window);
  if (game.phase == PHASE_PLAY) SpawnStep();
  UpdateSlots(window);
}

void MoveBar(GameWindow window) {
  const int16_t step = CourseTable.barStep[game.course];
  const int16_t oldX = game.barX, oldY = game.barY;
  // The limits are tested before the move, so the bar may pass them by less
  // than a step. Up beats down, left beats right.
  if (KeyHeld(KEY_UP)) {
    if (game.barY > 120) {
      game.barY = static_cast<int16_t>(game.barY - step);
      InvalidateArea(window, oldX, game.barY, oldX + BAR_WIDTH, oldY + BAR_HEIGHT);
    }
  } else if (KeyHeld(KEY_DOWN)) {
    if (game.barY < 370) {
      game.barY = static_cast<int16_t>(game.barY + step);
      InvalidateArea(window, oldX, oldY, oldX + BAR_WIDTH, game.barY + BAR_HEIGHT);
    }
  }
  if (KeyHeld(KEY_LEFT)) {
    if (game.barX > 30) {
      game.barX = static_cast<int16_t>(game.barX - step);
      InvalidateArea(window, game.barX, game.barY, oldX + BAR_WIDTH, game.barY + BAR_HEIGHT);
    }
  } else if (KeyHeld(KEY_RIGHT)) {
    if (game.barX < 560) {
      game.barX = static_cast<int16_t>(game.barX + step);
      InvalidateArea(window, oldX, game.barY, game.barX + BAR_WIDTH, game.barY + BAR_HEIGHT);
    }
  }
}
