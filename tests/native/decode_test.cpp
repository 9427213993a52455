// The decode loop of the music player, on tunes made by the build.
#include "sound/decode.h"

#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "tests/native/memory_file.h"

namespace {

const char GUARD_BYTE = '\xAB';
const size_t GUARD_BYTES = 4096;

std::string Fixture(const char* name) {
  return ReadWholeFile(std::string(MUSIC_FIXTURES) + "/" + name);
}

// Decodes `bytes` into a buffer of `capacity` followed by guard bytes; the
// decoded PCM, or "<no stream>" when ov_open refuses the bytes.
struct Decoded {
  bool opened = false;
  int channels = 0;
  long rate = 0;
  uint32_t returned = 0;
  std::string pcm;
  bool guardIntact = true;
};

Decoded Decode(const std::string& bytes, uint32_t capacity = MUSIC_PCM_CAPACITY) {
  Decoded result;
  OggVorbis_File decoder;
  if (!OpenDecoder(bytes, &decoder)) return result;
  result.opened = true;
  vorbis_info* info = ov_info(&decoder, -1);
  result.channels = info->channels;
  result.rate = info->rate;
  std::vector<char> buffer(capacity + GUARD_BYTES, GUARD_BYTE);
  result.returned = DecodePcm(&decoder, buffer.data(), capacity);
  ov_clear(&decoder);
  result.pcm.assign(buffer.data(), std::min(result.returned, capacity));
  for (size_t i = capacity; i < buffer.size(); ++i) {
    if (buffer[i] != GUARD_BYTE) result.guardIntact = false;
  }
  return result;
}

TEST(DecodePcm, WholeTunesComeOutAsInterleaved16BitFrames) {
  struct Case {
    const char* name;
    int channels;
    long rate;
    uint32_t frames;
  } cases[] = {
      {"stereo44.ogg", 2, 44100, 220500},
      {"mono22.ogg", 1, 22050, 198450},
      {"blip.ogg", 2, 44100, 2205},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Decoded d = Decode(Fixture(c.name));
    ASSERT_TRUE(d.opened);
    EXPECT_EQ(d.channels, c.channels);
    EXPECT_EQ(d.rate, c.rate);
    EXPECT_EQ(d.returned, c.frames * c.channels * 2);
    EXPECT_TRUE(d.guardIntact);
  }
}

// The buffer fills to its last whole frame and never beyond: a long tune is
// cut at the capacity, and a capacity that is no whole number of frames
// leaves its last bytes empty.
TEST(DecodePcm, StopsAtTheCapacityAndWritesNothingPastIt) {
  const std::string longTune = Fixture("long.ogg");
  struct Case {
    uint32_t capacity;
    uint32_t expected;
  } cases[] = {
      {MUSIC_PCM_CAPACITY, MUSIC_PCM_CAPACITY},  // 55 s of stereo: 9,702,000 bytes
      {10001, 10000},
      {4, 4},
      {3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.capacity);
    Decoded d = Decode(longTune, c.capacity);
    ASSERT_TRUE(d.opened);
    EXPECT_EQ(d.returned, c.expected);
    EXPECT_TRUE(d.guardIntact);
  }
}

// Damaged files: what decodes before the damage is kept, byte for byte;
// files that are no Ogg Vorbis stream at all are refused when opened.
TEST(DecodePcm, DamagedFilesGiveWhatCameBeforeTheDamage) {
  const std::string whole = Fixture("stereo44.ogg");
  const Decoded clean = Decode(whole);
  ASSERT_TRUE(clean.opened);

  // Three quarters in lies well past the headers, among the audio pages.
  const size_t damage = whole.size() * 3 / 4;
  std::string corrupted = whole;
  for (size_t i = damage; i < damage + 64; ++i) corrupted[i] ^= 0x5A;
  struct Case {
    const char* what;
    std::string bytes;
    bool opens;
  } cases[] = {
      {"truncated", whole.substr(0, damage), true},
      {"corrupted in the middle", corrupted, true},
      {"a text file", "This is not a tune.\r\n", false},
      {"an empty file", "", false},
      {"only the first page", whole.substr(0, 58), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Decoded d = Decode(c.bytes);
    ASSERT_EQ(d.opened, c.opens);
    if (!c.opens) continue;
    EXPECT_GT(d.returned, 0u);
    EXPECT_LT(d.returned, clean.returned);
    EXPECT_EQ(d.returned % 4, 0u) << "whole frames";
    EXPECT_TRUE(d.pcm == clean.pcm.substr(0, d.pcm.size())) << "differs from the clean decode";
    EXPECT_TRUE(d.guardIntact);
  }
}

}  // namespace
