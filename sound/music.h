// The background music: one Ogg Vorbis tune decoded whole into a static
// buffer, played once through and then repeated from its loop point by the
// waveOut device, for as long as the game window lives.
#pragma once

#include <stdio.h>
#include <windows.h>

#include "sound/decode.h"

struct MusicPlayer {
  HWAVEOUT musicDevice;    // null while no music plays
  volatile BYTE stopping;  // set while PlayMusic stops the device
  MMTIME loopPoint;        // where every repetition starts, in frames
  WORD blockAlign;         // bytes per frame of the current tune
  WAVEHDR loopHeader;      // the section from the loop point on
  WAVEHDR introHeader;     // the whole tune and the silent tail
  char pcmBuffer[MUSIC_PCM_CAPACITY + MUSIC_TAIL_BYTES];
  FILE* musicFile;  // open only while the tune is decoded
};
extern MusicPlayer music;

// The thread that queues the loop section again when the device says a
// block is done: a waveOut callback may not call waveOut functions.
struct MusicRequeue {
  HANDLE thread;
  HANDLE wake;                // set by MusicCallback
  CRITICAL_SECTION lock;      // held around a re-queue and around a stop
  HWAVEOUT volatile pending;  // the device a done notification named
  volatile LONG loopsQueued;  // loop sections queued since the process began
};
extern MusicRequeue requeue;

// Stops any music; then, with a path, starts the tune there, looping from
// `loopStartFrames`. 1: started (or, without a path, a device closed
// cleanly); 0: nothing plays.
int PlayMusic(const char* path, DWORD loopStartFrames);
// Decodes the tune into the header's buffer; the bytes decoded.
DWORD DecodeMusic(OggVorbis_File* decoder, WAVEHDR* header);
// Queues the loop section on `device`: 0, or -2 when the loop point lies at
// or past the end of the tune (nothing is queued).
int QueueLoopSection(HWAVEOUT device);
void CALLBACK MusicCallback(HWAVEOUT device, UINT message, DWORD_PTR instance, DWORD_PTR param1,
                            DWORD_PTR param2);
