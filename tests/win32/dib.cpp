#include "tests/win32/dib.h"

Dib::Dib(int w, int h, COLORREF ground) : width(w), height(h) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0);
  bits_ = static_cast<DWORD*>(bits);
  dc_ = CreateCompatibleDC(NULL);
  kept_ = static_cast<HBITMAP>(SelectObject(dc_, bitmap_));
  DWORD pixel = (GetRValue(ground) << 16) | (GetGValue(ground) << 8) | GetBValue(ground);
  for (int i = 0; i < w * h; ++i) bits_[i] = pixel;
}

Dib::Dib(Dib&& other)
    : width(other.width),
      height(other.height),
      dc_(other.dc_),
      bitmap_(other.bitmap_),
      kept_(other.kept_),
      bits_(other.bits_) {
  other.dc_ = NULL;
  other.bitmap_ = NULL;
}

Dib::~Dib() {
  if (!dc_) return;
  SelectObject(dc_, kept_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF Dib::At(int x, int y) const {
  GdiFlush();
  DWORD pixel = bits_[y * width + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

Dib Dib::Of(HBITMAP picture) {
  BITMAP info;
  GetObjectA(picture, sizeof info, &info);
  Dib dib(info.bmWidth, info.bmHeight, RGB(1, 2, 3));
  HDC source = CreateCompatibleDC(NULL);
  HGDIOBJ kept = SelectObject(source, picture);
  BitBlt(dib.Dc(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, kept);
  DeleteDC(source);
  return dib;
}

bool BlockEquals(const Dib& canvas, int x, int y, const Dib& picture, int* badX, int* badY) {
  for (int dy = 0; dy < picture.height; ++dy) {
    for (int dx = 0; dx < picture.width; ++dx) {
      int cx = x + dx, cy = y + dy;
      if (cx < 0 || cy < 0 || cx >= canvas.width || cy >= canvas.height) continue;
      if (canvas.At(cx, cy) != picture.At(dx, dy)) {
        if (badX) *badX = cx;
        if (badY) *badY = cy;
        return false;
      }
    }
  }
  return true;
}

int CountColour(const Dib& canvas, RECT area, COLORREF colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += canvas.At(x, y) == colour;
  return count;
}
