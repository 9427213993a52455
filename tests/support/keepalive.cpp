// Keeps one Wine process alive for a whole test run, so that the Wine
// server and its helpers start once instead of for every test.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Sleep(INFINITE);
  return 0;
}
