#include "sound/music.h"

#include <string.h>

MusicPlayer music;
MusicRequeue requeue;

const DWORD HEADER_SIZE = sizeof(WAVEHDR);
const DWORD SECTION_FLAGS = WHDR_BEGINLOOP | WHDR_ENDLOOP;

DWORD DecodeMusic(OggVorbis_File* decoder, WAVEHDR* header) {
  return DecodePcm(decoder, header->lpData, MUSIC_PCM_CAPACITY);
}

int QueueLoopSection(HWAVEOUT device) {
  DWORD position = music.loopPoint.u.sample * music.blockAlign;
  if (position >= music.introHeader.dwBufferLength) return -2;  // a tune that plays once
  if (music.loopHeader.dwFlags & WHDR_PREPARED) {
    waveOutUnprepareHeader(device, &music.loopHeader, HEADER_SIZE);
  }
  // The loop section is a window onto the same bytes, silent tail included.
  memset(&music.loopHeader, 0, sizeof music.loopHeader);
  music.loopHeader.lpData = music.introHeader.lpData + position;
  music.loopHeader.dwBufferLength = music.introHeader.dwBufferLength - position;
  music.loopHeader.dwFlags = SECTION_FLAGS;
  music.loopHeader.dwLoops = 1;
  waveOutPrepareHeader(device, &music.loopHeader, HEADER_SIZE);
  waveOutWrite(device, &music.loopHeader, HEADER_SIZE);
  return 0;
}

// Only wakes the re-queue thread: SetEvent is one of the few calls a waveOut
// callback may make.
void CALLBACK MusicCallback(HWAVEOUT device, UINT message, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
  if (message != WOM_DONE || music.stopping) return;
  requeue.pending = device;
  SetEvent(requeue.wake);
}

// Holds the lock while it queues, so a stop waits for a re-queue under way
// and a re-queue never meets a device being reset or closed.
static DWORD WINAPI RequeueThread(void*) {
  for (;;) {
    WaitForSingleObject(requeue.wake, INFINITE);
    EnterCriticalSection(&requeue.lock);
    HWAVEOUT device = requeue.pending;
    requeue.pending = NULL;
    if (device && !music.stopping && QueueLoopSection(device) == 0) {
      InterlockedIncrement(&requeue.loopsQueued);
    }
    LeaveCriticalSection(&requeue.lock);
  }
}

// The re-queue thread lives from the first start to the end of the process;
// a start that cannot make it plays nothing and tries again next time.
static bool StartRequeueThread() {
  static bool lockReady;
  if (!lockReady) {
    InitializeCriticalSection(&requeue.lock);
    lockReady = true;
  }
  if (!requeue.wake) requeue.wake = CreateEventA(NULL, FALSE, FALSE, NULL);
  if (!requeue.wake) return false;
  if (!requeue.thread) {
    requeue.thread = CreateThread(NULL, 0, RequeueThread, NULL, 0, NULL);
    if (!requeue.thread) return false;
    // A late re-queue is heard as a gap before each repetition.
    SetThreadPriority(requeue.thread, THREAD_PRIORITY_TIME_CRITICAL);
  }
  return true;
}

// Resets and closes the playing device; the result of waveOutClose.
static MMRESULT StopDevice() {
  EnterCriticalSection(&requeue.lock);
  music.stopping = 1;  // the notifications of the reset queue nothing
  waveOutReset(music.musicDevice);
  waveOutUnprepareHeader(music.musicDevice, &music.introHeader, HEADER_SIZE);
  if (music.loopHeader.dwFlags & WHDR_PREPARED) {
    waveOutUnprepareHeader(music.musicDevice, &music.loopHeader, HEADER_SIZE);
  }
  MMRESULT closed = waveOutClose(music.musicDevice);
  music.musicDevice = NULL;
  requeue.pending = NULL;  // named before the stop: that device is gone
  music.stopping = 0;
  LeaveCriticalSection(&requeue.lock);
  return closed;
}

// Releases the decoder, which closes the music file.
static void ReleaseDecoder(OggVorbis_File* decoder) {
  ov_clear(decoder);
  music.musicFile = NULL;
}

int PlayMusic(const char* path, DWORD loopStartFrames) {
  if (music.musicDevice) {
    MMRESULT closed = StopDevice();
    if (!path) return closed == MMSYSERR_NOERROR ? 1 : 0;
  } else if (!path) {
    return 0;
  }
  if (!StartRequeueThread()) return 0;

  music.musicFile = fopen(path, "rb");
  if (!music.musicFile) return 0;
  OggVorbis_File decoder;
  if (ov_open(music.musicFile, &decoder, NULL, 0) < 0) {
    fclose(music.musicFile);
    music.musicFile = NULL;
    return 0;
  }
  // From here on the decoder owns the file: ov_clear closes it.
  vorbis_info* info = ov_info(&decoder, -1);
  if (!info) {
    ReleaseDecoder(&decoder);
    return 0;
  }
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = static_cast<WORD>(info->channels);
  format.nSamplesPerSec = static_cast<DWORD>(info->rate);
  format.nAvgBytesPerSec = static_cast<DWORD>(info->rate * info->channels * 2);
  format.nBlockAlign = static_cast<WORD>(info->channels * 16 / 8);
  format.wBitsPerSample = 16;
  format.cbSize = 0;
  music.blockAlign = format.nBlockAlign;
  memset(&music.loopPoint, 0, sizeof music.loopPoint);
  music.loopPoint.u.sample = loopStartFrames;
  music.loopPoint.wType = TIME_SAMPLES;

  HWAVEOUT device;
  if (waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(MusicCallback), 0,
                  CALLBACK_FUNCTION) != MMSYSERR_NOERROR) {
    ReleaseDecoder(&decoder);
    return 0;
  }
  // Prepared for the whole buffer, tail included: the length written later
  // (decoded bytes and the tail) always lies within it.
  memset(&music.introHeader, 0, sizeof music.introHeader);
  music.introHeader.lpData = music.pcmBuffer;
  music.introHeader.dwBufferLength = MUSIC_PCM_CAPACITY + MUSIC_TAIL_BYTES;
  music.introHeader.dwFlags = SECTION_FLAGS;
  if (waveOutPrepareHeader(device, &music.introHeader, HEADER_SIZE) != MMSYSERR_NOERROR) {
    waveOutClose(device);
    ReleaseDecoder(&decoder);
    return 0;
  }
  music.introHeader.dwLoops = 1;
  DWORD decoded = DecodeMusic(&decoder, &music.introHeader);
  ReleaseDecoder(&decoder);
  // A tune before this one may have left sound where the tail now lies.
  memset(music.pcmBuffer + decoded, 0, MUSIC_TAIL_BYTES);
  music.introHeader.dwBufferLength = decoded + MUSIC_TAIL_BYTES;
  if (waveOutWrite(device, &music.introHeader, HEADER_SIZE) != MMSYSERR_NOERROR) {
    waveOutUnprepareHeader(device, &music.introHeader, HEADER_SIZE);
    waveOutClose(device);
    return 0;
  }
  music.musicDevice = device;
  return 1;
}
