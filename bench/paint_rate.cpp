// One full frame painted by PaintFrame with all 64 slots busy (32 packets
// with labels, 32 badges), against one BitBlt of the whole client area, both
// into an off-screen 620x440 DIB, side by side. Usage: paint_rate [FRAMES]
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "game/model.h"
#include "gfx/drawing.h"

static double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

static HDC NewCanvas(int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits;
  HDC dc = CreateCompatibleDC(NULL);
  SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0));
  PatBlt(dc, 0, 0, width, height, WHITENESS);
  return dc;
}

// Half the slots fly between the rows, half are badges rising.
static void FillSlots() {
  const PacketKind badges[] = {PK_GET, PK_THANKS, PK_BOO};
  for (int i = 0; i < SLOT_COUNT; ++i) {
    PacketSlot& slot = game.slots[i];
    slot.x = 40 + (i * 37) % 540;
    slot.y = 70 + (i * 53) % 320;
    slot.label = PacketLabelTable[(i * 7) % LABEL_COUNT];
    slot.kind = i % 2 ? (i % 4 == 1 ? PK_LEAK : PK_NORMAL) : badges[i / 2 % 3];
    slot.speed = 8.0;
  }
}

int main(int argc, char** argv) {
  const int frames = argc > 1 ? atoi(argv[1]) : 2000;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(NULL);
  windowClass.lpszClassName = "paint_rate";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("paint_rate", "", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, NULL, NULL,
                              windowClass.hInstance, NULL);
  CreateFontsAndBlitDC(window);
  CreatePenAndPictures(windowClass.hInstance);
  game.course = COURSE_FTTH;
  SetStartingValues(game);
  game.phase = PHASE_PLAY;
  game.score = 1234;
  FillSlots();

  HDC target = NewCanvas(620, 440);
  HDC source = NewCanvas(620, 440);
  PaintFrame(source);  // something to copy
  LARGE_INTEGER t0, t1, t2, e0, e1;
  PacketSlot busy[SLOT_COUNT];
  memcpy(busy, game.slots, sizeof busy);
  memset(game.slots, 0, sizeof game.slots);  // the field with no packets: network and computers
  QueryPerformanceCounter(&e0);
  for (int i = 0; i < frames; ++i) PaintFrame(target);
  GdiFlush();
  QueryPerformanceCounter(&e1);
  memcpy(game.slots, busy, sizeof busy);
  QueryPerformanceCounter(&t0);
  for (int i = 0; i < frames; ++i) PaintFrame(target);
  GdiFlush();
  QueryPerformanceCounter(&t1);
  for (int i = 0; i < frames; ++i) BitBlt(target, 0, 0, 620, 440, source, 0, 0, SRCCOPY);
  GdiFlush();
  QueryPerformanceCounter(&t2);
  double paint = Seconds(t0, t1) / frames, blit = Seconds(t1, t2) / frames;
  double empty = Seconds(e0, e1) / frames;
  printf(
      "paint_rate: %d frames; PaintFrame %.3f ms, BitBlt %.3f ms, ratio %.1f "
      "(PaintFrame with no slots busy: %.3f ms)\n",
      frames, paint * 1000, blit * 1000, paint / blit, empty * 1000);
  ReleaseDrawingResources();
  DestroyWindow(window);
  return 0;
}
