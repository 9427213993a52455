// Starts and stops the music once on a copy of a tune and prints what
// happened, so that a test can run the player in a process of its own, for
// instance one started without an audio driver.
// Usage: music_probe TUNE LOOPFRAMES
#include <stdio.h>
#include <stdlib.h>

#include "sound/music.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  char copy[MAX_PATH];
  GetTempPathA(MAX_PATH, copy);
  wsprintfA(copy + lstrlenA(copy), "music-probe-%lu.ogg", GetCurrentProcessId());
  if (!CopyFileA(argv[1], copy, FALSE)) return 3;
  UINT devices = waveOutGetNumDevs();
  int started = PlayMusic(copy, strtoul(argv[2], NULL, 10));
  // Whatever happened, the file must be closed again: then it can go.
  BOOL deleted = DeleteFileA(copy);
  int stopped = PlayMusic(NULL, 0);
  printf("devices=%u started=%d deleted=%d stopped=%d\n", devices, started, deleted ? 1 : 0,
         stopped);
  return 0;
}
