#include "tests/native/memory_file.h"

#include <fstream>
#include <iterator>

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

FILE* MemoryFile(const std::string& bytes) {
  // glibc's fmemopen refuses a buffer of no bytes.
  if (bytes.empty()) return fopen("/dev/null", "rb");
  return fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
}

bool OpenDecoder(const std::string& bytes, OggVorbis_File* decoder) {
  FILE* file = MemoryFile(bytes);
  if (!file) return false;
  if (ov_open(file, decoder, NULL, 0) < 0) {
    fclose(file);
    return false;
  }
  return true;
}
