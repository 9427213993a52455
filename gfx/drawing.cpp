#include "gfx/drawing.h"

#include "res/resource.h"

DrawingResources drawing;

static HFONT MakeFont(int height, int weight, BOOL italic, const char* face) {
  return CreateFontA(height, 0, 0, 0, weight, italic, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, face);
}

static HBITMAP LoadPicture(HINSTANCE instance, int id) {
  return static_cast<HBITMAP>(
      LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
}

void CreateFontsAndBlitDC(HWND window) {
  drawing.bannerFont = MakeFont(28, FW_BOLD, TRUE, "ＭＳ ゴシック");
  drawing.statusFont = MakeFont(12, FW_MEDIUM, FALSE, "ＭＳ Ｐゴシック");
  drawing.labelFont = MakeFont(10, FW_MEDIUM, FALSE, "ＭＳ Ｐゴシック");
  HDC windowDC = GetDC(window);
  drawing.blitDC = CreateCompatibleDC(windowDC);
  ReleaseDC(window, windowDC);
}

void CreatePenAndPictures(HINSTANCE instance) {
  drawing.linkPen = CreatePen(PS_DOT, 1, LINK_COLOUR);
  drawing.bar = LoadPicture(instance, IDB_BAR);
  drawing.node = LoadPicture(instance, IDB_NODE);
  drawing.normal = LoadPicture(instance, IDB_NORMAL);
  drawing.leak = LoadPicture(instance, IDB_LEAK);
  drawing.boo = LoadPicture(instance, IDB_BOO);
  drawing.get = LoadPicture(instance, IDB_GET);
  drawing.thanks = LoadPicture(instance, IDB_THANKS);
}

void ReleaseDrawingResources() {
  DeleteDC(drawing.blitDC);
  DeleteObject(drawing.labelFont);
  DeleteObject(drawing.statusFont);
  DeleteObject(drawing.bannerFont);
  DeleteObject(drawing.linkPen);
  // The bitmaps were loaded shared: they stay until the process ends.
}
