// The playing time of WAV files read from their headers: what a synchronous
// sound costs on the virtual clock.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "media/wave_file.h"
#include "media/wave_length.h"

namespace lumora {
namespace {

using testing::ByteRate;
using testing::WaveSpec;
using testing::WriteWave;

TEST(WaveLengthMs, ReadsTheDataChunkAtTheFormatsByteRate) {
  QTemporaryDir dir;
  const struct {
    const char* what;
    WaveSpec spec;
  } cases[] = {
      {"mono 8 kHz", {8000, 1, 16, 4000}},
      {"stereo 44.1 kHz", {44100, 2, 16, 22050}},
      {"8-bit", {11025, 1, 8, 11025}},
      {"a part of a millisecond rounds up", {8000, 1, 16, 4001}},
      {"a chunk before fmt", {8000, 1, 16, 800, 0, true}},
  };
  for (const auto& c : cases) {
    const std::string path = dir.filePath("s.wav").toStdString();
    WriteWave(path, c.spec);
    const uint64_t bytes = uint64_t(c.spec.frames) * c.spec.channels * (c.spec.bits / 8);
    const int64_t want = static_cast<int64_t>((bytes * 1000 + ByteRate(c.spec) - 1) / ByteRate(c.spec));
    EXPECT_EQ(WaveLengthMs(path), want) << c.what;
  }
}

TEST(WaveLengthMs, AHeaderClaimingMoreThanTheFileHoldsCountsWhatIsThere) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("cut.wav").toStdString();
  const WaveSpec spec{8000, 1, 16, 800, 1000000};
  WriteWave(path, spec);
  EXPECT_EQ(WaveLengthMs(path), 800 * 2 * 1000 / ByteRate(spec));
}

TEST(WaveLengthMs, WhatIsNoWaveLastsNothing) {
  QTemporaryDir dir;
  const std::string text = dir.filePath("texto.wav").toStdString();
  std::ofstream(text) << "RIFF? no, just text that is long enough\n";
  const std::string headerOnly = dir.filePath("header.wav").toStdString();
  std::ofstream(headerOnly, std::ios::binary) << std::string("RIFF\0\0\0\0WAVE", 12);
  for (const std::string& path : {text, headerOnly, dir.filePath("missing.wav").toStdString()})
    EXPECT_EQ(WaveLengthMs(path), 0) << path;
}

}  // namespace
}  // namespace lumora
