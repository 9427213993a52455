// The frame painter: the only code that draws. It redraws everything from
// the game record and leaves clipping to the invalidated region.
#include "game/model.h"
#include "gfx/drawing.h"

static const char LIFE_MARK[] = "●";
static const char LOST_LIFE_MARK[] = "○";

void FormatScoreLine(char (&text)[SCORE_LINE_SIZE], UINT hiScore, UINT score, int lives) {
  const char* marks[5];
  for (int n = 1; n <= 5; ++n) marks[n - 1] = lives >= n ? LIFE_MARK : LOST_LIFE_MARK;
  wsprintfA(text, "HI-SCORE: %09u  SCORE: %09u  LIFE: %s%s%s%s%s", hiScore, score, marks[0],
            marks[1], marks[2], marks[3], marks[4]);
}

// Copies a whole picture, white ground included, with its top left at (x, y).
static void Blit(HDC dc, HBITMAP picture, int x, int y, int width, int height) {
  SelectObject(drawing.blitDC, picture);
  BitBlt(dc, x, y, width, height, drawing.blitDC, 0, 0, SRCCOPY);
}

static void Text(HDC dc, int x, int y, const char* text) {
  TextOutA(dc, x, y, text, lstrlenA(text));
}

static void DrawNetwork(HDC dc) {
  HPEN keptPen = static_cast<HPEN>(SelectObject(dc, drawing.linkPen));
  const int half = NODE_SIZE / 2;
  for (int top = 0; top < 5; ++top) {
    for (int bottom = 5; bottom < NODE_COUNT; ++bottom) {
      MoveToEx(dc, NodeTable.x[top] + half, NodeTable.y[top] + half, NULL);
      LineTo(dc, NodeTable.x[bottom] + half, NodeTable.y[bottom] + half);
    }
  }
  SelectObject(dc, keptPen);
}

static void DrawSlot(HDC dc, const PacketSlot& slot) {
  // Truncation toward zero, as every double position becomes a pixel.
  int px = static_cast<int>(slot.x);
  int py = static_cast<int>(slot.y);
  switch (slot.kind) {
    case PK_NORMAL:
    case PK_LEAK:
      Blit(dc, slot.kind == PK_LEAK ? drawing.leak : drawing.normal, px, py, PACKET_SIZE,
           PACKET_SIZE);
      SelectObject(dc, drawing.labelFont);
      SetTextColor(dc, LABEL_COLOUR);
      Text(dc, px + PACKET_SIZE, py, slot.label);
      break;
    case PK_GET:
      Blit(dc, drawing.get, px, py, GET_BADGE_WIDTH, GET_BADGE_HEIGHT);
      break;
    case PK_THANKS:
      Blit(dc, drawing.thanks, px, py, THANKS_BADGE_WIDTH, THANKS_BADGE_HEIGHT);
      break;
    case PK_BOO:
      Blit(dc, drawing.boo, px, py, BOO_BADGE_WIDTH, BOO_BADGE_HEIGHT);
      break;
    default:  // PK_FREE
      break;
  }
}

static void DrawBanner(HDC dc) {
  const char* text;
  int x;
  COLORREF colour = READY_GO_COLOUR;
  switch (game.phase) {
    case PHASE_READY:
      text = "ＲＥＡＤＹ";
      x = 240;
      break;
    case PHASE_GO:
      text = "ＧＯ！";
      x = 280;
      break;
    case PHASE_GAMEOVER:
      text = "ＧＡＭＥＯＶＥＲ！！";
      x = 200;
      colour = GAMEOVER_COLOUR;
      break;
    default:  // PHASE_PLAY: the field is free
      return;
  }
  SelectObject(dc, drawing.bannerFont);
  SetTextColor(dc, colour);
  Text(dc, x, 200, text);
}

void PaintFrame(HDC dc) {
  if (game.phase == PHASE_NONE) return;
  SetBkMode(dc, TRANSPARENT);
  HFONT keptFont = static_cast<HFONT>(SelectObject(dc, drawing.statusFont));
  if (game.hiScore < game.score) game.hiScore = game.score;

  char scoreLine[SCORE_LINE_SIZE];
  FormatScoreLine(scoreLine, game.hiScore, game.score, game.lives);
  SetTextColor(dc, STATUS_COLOUR);
  Text(dc, 250, 4, scoreLine);
  Blit(dc, drawing.leak, 8, 6, PACKET_SIZE, PACKET_SIZE);
  Text(dc, 20, 4, "情報漏洩パケット（打ち返せ！）");
  Blit(dc, drawing.normal, 8, 26, PACKET_SIZE, PACKET_SIZE);
  Text(dc, 20, 24, "通常パケット（打ち返しちゃダメ！）");

  DrawNetwork(dc);
  for (int k = 0; k < NODE_COUNT; ++k) {
    Blit(dc, drawing.node, NodeTable.x[k], NodeTable.y[k], NODE_SIZE, NODE_SIZE);
  }
  Blit(dc, drawing.bar, game.barX, game.barY, BAR_WIDTH, BAR_HEIGHT);
  for (const PacketSlot& slot : game.slots) DrawSlot(dc, slot);
  DrawBanner(dc);
  SelectObject(dc, keptFont);
}

void InvalidateArea(HWND window, int left, int top, int right, int bottom) {
  RECT area = {left, top, right, bottom};
  InvalidateRect(window, &area, TRUE);
}
