// The drawing resources of the game window and the frame painter.
#pragma once

#include <windows.h>

// Made once per window in WM_CREATE; the painter only selects them.
struct DrawingResources {
  HFONT bannerFont;  // READY, GO, GAMEOVER
  HFONT statusFont;  // score line and legend
  HFONT labelFont;   // packet labels
  HDC blitDC;        // source of every bitmap copy
  HPEN linkPen;      // dotted network lines
  HBITMAP node, bar, leak, normal, get, thanks, boo;
};
extern DrawingResources drawing;

// Text colours (0x00BBGGRR).
const COLORREF STATUS_COLOUR = 0x00EE0000;
const COLORREF LABEL_COLOUR = 0x000000CC;
const COLORREF READY_GO_COLOUR = 0x00555500;
const COLORREF GAMEOVER_COLOUR = 0x00FF0000;
const COLORREF LINK_COLOUR = 0x00CCCCCC;

// Made in two steps, as WM_CREATE puts the starting game values between them.
void CreateFontsAndBlitDC(HWND window);
void CreatePenAndPictures(HINSTANCE instance);
// Deletes what was made; the shared bitmaps stay until the process ends.
void ReleaseDrawingResources();

// Big enough for two ten-digit scores and five two-byte life marks.
const int SCORE_LINE_SIZE = 96;
void FormatScoreLine(char (&text)[SCORE_LINE_SIZE], UINT hiScore, UINT score, int lives);

// Draws the whole playfield from the game record; raises hiScore to score.
void PaintFrame(HDC dc);

// Marks (left, top)-(right, bottom) of the client area for an erased repaint.
void InvalidateArea(HWND window, int left, int top, int right, int bottom);
