// WAV files' headers: the playing time they give (what a synchronous sound
// costs on the virtual clock), and the headers no sound device is to be given.
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

// SDL_mixer's music loader divided by zero on a file of 0 channels and ended
// the program ("playmusic"); every field a frame is made of is checked.
TEST(WaveHeaderProblem, NamesWhatKeepsAHeaderFromBeingPlayed) {
  QTemporaryDir dir;
  const struct {
    const char* what;
    WaveSpec spec;
    bool playable;
  } cases[] = {
      {"mono 16-bit", {8000, 1, 16, 800}, true},
      {"stereo 8-bit", {22050, 2, 8, 800}, true},
      {"24-bit", {44100, 2, 24, 800}, true},
      {"a chunk before fmt", {8000, 1, 16, 800, 0, true}, true},
      {"no samples", {8000, 1, 16, 0}, true},
      {"a block larger than a frame", {8000, 1, 16, 800, 0, false, 7}, true},
      {"IEEE float", {8000, 1, 32, 800, 0, false, -1, 3}, true},
      {"ADPCM, several samples a block", {8000, 1, 4, 800, 0, false, 256, 2}, true},
      {"a longer fmt chunk", {8000, 1, 16, 800, 0, false, -1, 1, 18}, true},
      {"0 channels", {8000, 0, 16, 800}, false},
      {"0 channels, a block given", {8000, 0, 16, 800, 0, false, 2}, false},
      {"0 channels, float", {8000, 0, 32, 800, 0, false, -1, 3}, false},
      {"0 channels, ADPCM", {8000, 0, 4, 800, 0, false, 256, 2}, false},
      {"a rate of 0", {0, 1, 16, 800}, false},
      {"0 bits", {8000, 1, 0, 800, 0, false, 2}, false},
      {"a block of 0", {8000, 1, 16, 800, 0, false, 0}, false},
      {"a block smaller than a frame", {8000, 2, 16, 800, 0, false, 2}, false},
      {"a fmt chunk cut short", {8000, 1, 16, 800, 0, false, -1, 1, 12}, false},
  };
  for (const auto& c : cases) {
    const std::string path = dir.filePath("s.wav").toStdString();
    WriteWave(path, c.spec);
    EXPECT_EQ(WaveHeaderProblem(path).empty(), c.playable) << c.what << ": " << WaveHeaderProblem(path);
    if (!c.playable) {
      EXPECT_EQ(WaveLengthMs(path), 0) << c.what << ": no sound lasts";
    }
  }
}

// What is no wave lasts nothing, and its header is left to the decoders.
TEST(WaveHeaderProblem, WhatIsNoWaveLastsNothingAndIsLeftToItsDecoder) {
  QTemporaryDir dir;
  const std::string text = dir.filePath("texto.wav").toStdString();
  std::ofstream(text) << "RIFF? no, just text that is long enough\n";
  const std::string tune = dir.filePath("tema.mid").toStdString();
  std::ofstream(tune) << "MThd";
  const std::string headerOnly = dir.filePath("header.wav").toStdString();
  std::ofstream(headerOnly, std::ios::binary) << std::string("RIFF\0\0\0\0WAVE", 12);
  for (const std::string& path : {text, tune, headerOnly, dir.filePath("missing.wav").toStdString()}) {
    EXPECT_EQ(WaveLengthMs(path), 0) << path;
    EXPECT_EQ(WaveHeaderProblem(path), "") << path;
  }
}

}  // namespace
}  // namespace lumora
