#include "sound/decode.h"

uint32_t DecodePcm(OggVorbis_File* decoder, char* destination, uint32_t capacity) {
  uint32_t total = 0;
  while (total < capacity) {
    int stream;  // the logical stream number is of no interest
    long n = ov_read(decoder, destination + total, static_cast<int>(capacity - total),
                     0 /* little-endian */, 2 /* 16-bit */, 1 /* signed */, &stream);
    if (n <= 0) break;  // the end, an error or a gap: what came before plays
    total += static_cast<uint32_t>(n);
  }
  return total;
}
