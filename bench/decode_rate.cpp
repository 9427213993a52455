// Decodes a whole tune the way the music player does, several times, and
// prints the best time. Built natively (DecodePcm) and for Windows, where it
// goes through DecodeMusic and its WAVEHDR. Usage: decode_rate TUNE [RUNS]
#include <stdio.h>
#include <stdlib.h>

#include <chrono>

#include "sound/decode.h"
#ifdef _WIN32
#include "sound/music.h"
#else
static char pcmBuffer[MUSIC_PCM_CAPACITY + MUSIC_TAIL_BYTES];
#endif

static uint32_t DecodeOnce(OggVorbis_File* decoder) {
#ifdef _WIN32
  WAVEHDR header = {};
  header.lpData = music.pcmBuffer;
  return DecodeMusic(decoder, &header);
#else
  return DecodePcm(decoder, pcmBuffer, MUSIC_PCM_CAPACITY);
#endif
}

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  int runs = argc > 2 ? atoi(argv[2]) : 5;
  double best = 1e9;
  uint32_t bytes = 0;
  long rate = 0, channels = 0;
  for (int run = 0; run < runs; ++run) {
    FILE* file = fopen(argv[1], "rb");
    OggVorbis_File decoder;
    if (!file || ov_open(file, &decoder, NULL, 0) < 0) {
      fprintf(stderr, "decode_rate: cannot open %s\n", argv[1]);
      return 1;
    }
    vorbis_info* info = ov_info(&decoder, -1);
    rate = info->rate;
    channels = info->channels;
    auto start = std::chrono::steady_clock::now();
    bytes = DecodeOnce(&decoder);
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    ov_clear(&decoder);
    if (took.count() < best) best = took.count();
  }
  double audioSeconds = static_cast<double>(bytes) / (rate * channels * 2);
  printf("decode_rate: best of %d: %.4f s for %.2f s of audio (%u bytes)\n", runs, best,
         audioSeconds, bytes);
  return 0;
}
