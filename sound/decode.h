// Decoding a whole Ogg Vorbis tune into memory, with no Windows calls, so
// that it can be tested and fuzzed natively.
#pragma once

#include <stdint.h>
#include <vorbis/vorbisfile.h>

// The most decoded PCM the music buffer holds: 53.5 s of 44.1 kHz stereo.
const uint32_t MUSIC_PCM_CAPACITY = 0x900000;
// Silence that follows the decoded PCM and ends every pass: 17 ms of
// 44.1 kHz stereo.
const uint32_t MUSIC_TAIL_BYTES = 3000;

// Decodes 16-bit signed little-endian PCM into `destination` until the
// stream ends, the decoder reports an error (a gap included) or `capacity`
// bytes are full. Returns the bytes decoded; never writes past `capacity`.
uint32_t DecodePcm(OggVorbis_File* decoder, char* destination, uint32_t capacity);
