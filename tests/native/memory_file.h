// Ogg Vorbis streams opened from bytes in memory, through fmemopen.
#pragma once

#include <stdio.h>
#include <vorbis/vorbisfile.h>

#include <string>

std::string ReadWholeFile(const std::string& path);
// A FILE* reading `bytes`, which must outlive it; an empty file for none.
FILE* MemoryFile(const std::string& bytes);
// ov_open over MemoryFile(bytes): true when it is an Ogg Vorbis stream, and
// then the decoder owns the file. On false the file is already closed.
bool OpenDecoder(const std::string& bytes, OggVorbis_File* decoder);
