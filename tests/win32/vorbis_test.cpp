// The static Ogg Vorbis libraries, linked and called for real.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <gtest/gtest.h>
#include <stdio.h>
#include <vorbis/vorbisfile.h>

TEST(VorbisLibrary, ReadsChannelsAndRateOfATinyTune) {
  FILE* file = fopen(FIXTURE_DIR "/tiny.ogg", "rb");
  ASSERT_NE(file, nullptr) << FIXTURE_DIR;
  OggVorbis_File decoder;
  ASSERT_EQ(ov_open(file, &decoder, NULL, 0), 0);  // the decoder now owns the file
  vorbis_info* info = ov_info(&decoder, -1);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->channels, 2);
  EXPECT_EQ(info->rate, 44100);
  EXPECT_EQ(ov_pcm_total(&decoder, -1), 11025);
  ov_clear(&decoder);
}

TEST(VorbisLibrary, RefusesAFileThatIsNotVorbis) {
  FILE* file = fopen(FIXTURE_DIR "/make-fixtures.sh", "rb");
  ASSERT_NE(file, nullptr);
  OggVorbis_File decoder;
  EXPECT_LT(ov_open(file, &decoder, NULL, 0), 0);
  fclose(file);  // a failed open leaves the file to the caller
}
