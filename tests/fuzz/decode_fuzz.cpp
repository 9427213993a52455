// libFuzzer target: any bytes as the music file, through ov_open (over
// fmemopen) and the decode loop, into buffers of exactly their capacity so
// that AddressSanitizer sees a write past the end.
#include <stdint.h>
#include <stdlib.h>

#include <string>

#include "sound/decode.h"
#include "tests/native/memory_file.h"

namespace {

// The real capacity, and one that is no whole number of frames.
const uint32_t CAPACITIES[] = {MUSIC_PCM_CAPACITY, 4093};

void DecodeInto(const std::string& bytes, char* buffer, uint32_t capacity) {
  OggVorbis_File decoder;
  if (!OpenDecoder(bytes, &decoder)) return;
  if (ov_info(&decoder, -1)) {
    uint32_t decoded = DecodePcm(&decoder, buffer, capacity);
    if (decoded > capacity) abort();
  }
  ov_clear(&decoder);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static char* buffers[2] = {static_cast<char*>(malloc(CAPACITIES[0])),
                             static_cast<char*>(malloc(CAPACITIES[1]))};
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (int i = 0; i < 2; ++i) DecodeInto(bytes, buffers[i], CAPACITIES[i]);
  return 0;
}
