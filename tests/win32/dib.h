// An off-screen 32-bit top-down DIB section to paint into and read back.
#pragma once

#include <windows.h>

class Dib {
 public:
  Dib(int width, int height, COLORREF ground);
  ~Dib();
  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const;  // as RGB()
  int width, height;

  // Draws `picture` at (0, 0) of a new DIB of its own size.
  static Dib Of(HBITMAP picture);
  Dib(Dib&& other);

 private:
  HDC dc_;
  HBITMAP bitmap_, kept_;
  DWORD* bits_;
};

// True when the width x height block at (x, y) of `canvas` equals `picture`.
bool BlockEquals(const Dib& canvas, int x, int y, const Dib& picture, int* badX = nullptr,
                 int* badY = nullptr);
// Pixels of exactly `colour` in the rectangle.
int CountColour(const Dib& canvas, RECT area, COLORREF colour);
