// The playing time of a WAV file: the RIFF chunks are walked to "fmt " and "data".
#include "media/wave_length.h"

#include <cstring>
#include <fstream>

namespace lumora {
namespace {

uint32_t Le32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

}  // namespace

int64_t WaveLengthMs(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char head[12];
  if (!in.read(head, sizeof head) || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
    return 0;
  uint32_t byteRate = 0;
  char chunk[8];
  // A chunk may follow "data" ("LIST" often does) and "fmt " may come late;
  // a truncated file stops the walk wherever it ends.
  while (in.read(chunk, sizeof chunk)) {
    const uint32_t size = Le32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
      char fmt[16];
      if (!in.read(fmt, sizeof fmt)) return 0;
      byteRate = Le32(fmt + 8);
      in.seekg(size - 16 + (size & 1), std::ios::cur);
      continue;
    }
    if (std::memcmp(chunk, "data", 4) == 0) {
      if (byteRate == 0) return 0;
      // A header may claim more samples than the file holds: only those there play.
      const std::streamoff start = in.tellg();
      in.seekg(0, std::ios::end);
      const uint64_t present = static_cast<uint64_t>(in.tellg() - start);
      const uint64_t bytes = size < present ? size : present;
      return static_cast<int64_t>((bytes * 1000 + byteRate - 1) / byteRate);
    }
    in.seekg(size + (size & 1), std::ios::cur);
  }
  return 0;
}

}  // namespace lumora
