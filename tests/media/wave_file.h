// Test WAV files written from their parts, so a test knows a sound's length
// from the numbers it chose.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>

namespace lumora::testing {

struct WaveSpec {
  uint32_t rate = 8000;
  uint16_t channels = 1, bits = 16;
  uint32_t frames = 4000;
  uint32_t claimedBytes = 0;  // the "data" size in the header; 0: the real one
  bool listFirst = false;     // a "LIST" chunk (odd-sized) before "fmt "
  int blockAlign = -1;        // the header's block alignment; -1: one frame's bytes
  uint16_t tag = 1;           // the format: PCM
  uint32_t formatBytes = 16;  // the "fmt " chunk's size as the header gives it
  uint32_t dataBytes = 0;     // the samples' bytes; 0: frames × channels × bytes a sample
};

inline uint32_t ByteRate(const WaveSpec& s) { return s.rate * s.channels * (s.bits / 8u); }

inline void WriteWave(const std::string& path, const WaveSpec& s) {
  std::ofstream w(path, std::ios::binary);
  auto u32 = [&](uint32_t v) { w.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { w.write(reinterpret_cast<const char*>(&v), 2); };
  const uint32_t bytes = s.dataBytes ? s.dataBytes : s.frames * s.channels * (s.bits / 8u);
  w.write("RIFF", 4);
  u32(0);  // readers walk the chunks, not this size
  w.write("WAVE", 4);
  if (s.listFirst) {
    w.write("LIST", 4);
    u32(3);
    w.write("abc\0", 4);  // odd size, padded
  }
  w.write("fmt ", 4);
  u32(s.formatBytes);
  u16(s.tag);
  u16(s.channels);
  u32(s.rate);
  u32(ByteRate(s));
  u16(static_cast<uint16_t>(s.blockAlign >= 0 ? s.blockAlign : s.channels * s.bits / 8));
  u16(s.bits);
  w.write("data", 4);
  u32(s.claimedBytes ? s.claimedBytes : bytes);
  w.write(std::string(bytes, '\x10').data(), bytes);
}

}  // namespace lumora::testing
