// A WAV file's header: the RIFF chunks are walked to "fmt " and "data".
#include "media/wave_length.h"

#include <cstring>
#include <fstream>

namespace lumora {
namespace {

uint16_t Le16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t Le32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

// The "fmt " fields both readers need (the first 16 bytes of the chunk).
struct WaveFormat {
  uint16_t tag = 0, channels = 0;
  uint32_t rate = 0, byteRate = 0;
  uint16_t blockAlign = 0, bits = 0;
};

// What the walk found before the samples.
struct WaveHeader {
  bool wave = false;      // a RIFF/WAVE file
  bool format = false;    // a "fmt " chunk came before "data"
  bool formatCut = false;  // ... but shorter than its fields
  WaveFormat fmt;
  bool data = false;         // the "data" chunk was reached
  uint64_t dataBytes = 0;    // its samples as the file holds them
};

// A chunk may follow "data" ("LIST" often does) and "fmt " may come late
// behind others; a truncated file stops the walk wherever it ends.
WaveHeader ReadHeader(const std::string& path) {
  WaveHeader h;
  std::ifstream in(path, std::ios::binary);
  char head[12];
  if (!in.read(head, sizeof head) || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
    return h;
  h.wave = true;
  char chunk[8];
  while (in.read(chunk, sizeof chunk)) {
    const uint32_t size = Le32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0 && !h.format) {
      h.format = true;
      char fmt[16];
      if (size < sizeof fmt || !in.read(fmt, sizeof fmt)) {
        h.formatCut = true;
        return h;
      }
      h.fmt = {Le16(fmt), Le16(fmt + 2), Le32(fmt + 4), Le32(fmt + 8), Le16(fmt + 12), Le16(fmt + 14)};
      in.seekg(size - 16 + (size & 1), std::ios::cur);
      continue;
    }
    if (std::memcmp(chunk, "data", 4) == 0) {
      h.data = true;
      // A header may claim more samples than the file holds: only those there play.
      const std::streamoff start = in.tellg();
      in.seekg(0, std::ios::end);
      const uint64_t present = static_cast<uint64_t>(in.tellg() - start);
      h.dataBytes = size < present ? size : present;
      return h;
    }
    in.seekg(size + (size & 1), std::ios::cur);
  }
  return h;
}

// The format tags whose frame is channels × whole bytes per sample: PCM, IEEE
// float, A-law, µ-law and the extensible header that wraps them. Compressed
// formats (ADPCM ...) pack several samples in a block.
bool PlainFrames(uint16_t tag) { return tag == 1 || tag == 3 || tag == 6 || tag == 7 || tag == 0xFFFE; }

std::string Problem(const WaveHeader& h) {
  if (!h.wave || !h.format) return {};
  if (h.formatCut) return "WAVE format chunk cut short";
  const WaveFormat& f = h.fmt;
  if (f.channels == 0) return "WAVE header gives 0 channels";
  if (f.rate == 0) return "WAVE header gives a sample rate of 0";
  if (f.bits == 0) return "WAVE header gives 0 bits per sample";
  const uint32_t frame = f.channels * ((f.bits + 7u) / 8u);
  if (f.blockAlign == 0 || (PlainFrames(f.tag) && f.blockAlign < frame))
    return "WAVE header gives a block alignment of " + std::to_string(f.blockAlign) + " for frames of " +
           std::to_string(frame) + " bytes";
  return {};
}

}  // namespace

int64_t WaveLengthMs(const std::string& path) {
  const WaveHeader h = ReadHeader(path);
  if (!h.data || h.fmt.byteRate == 0 || !Problem(h).empty()) return 0;
  return static_cast<int64_t>((h.dataBytes * 1000 + h.fmt.byteRate - 1) / h.fmt.byteRate);
}

std::string WaveHeaderProblem(const std::string& path) { return Problem(ReadHeader(path)); }

}  // namespace lumora
