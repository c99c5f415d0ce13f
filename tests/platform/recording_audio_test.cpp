// The audio of headless runs: every request recorded in order, and a sound
// played to the end moving the virtual clock by its length, and by nothing else.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "media/wave_file.h"
#include "media/wave_length.h"
#include "platform/headless_platform.h"
#include "platform/recording_audio.h"

namespace lumora {
namespace {

TEST(RecordingAudio, RecordsEveryRequestInOrder) {
  QTemporaryDir dir;
  const std::string tune = dir.filePath("tema.mid").toStdString();
  std::ofstream(tune) << "MThd";
  RecordingAudio audio(nullptr);
  EXPECT_EQ(audio.MusicOpen(tune), "");
  EXPECT_EQ(audio.MusicPlay(), "");
  audio.MusicVolume(250);
  audio.SoundPlay("a.wav", false);
  audio.SoundStop();
  EXPECT_EQ(audio.requests,
            (std::vector<std::string>{"music " + tune, "play", "volume 250", "sound a.wav async", "stop"}));
  // A file that cannot be read is refused, as the device would.
  EXPECT_NE(audio.MusicOpen(dir.filePath("nada.mid").toStdString()), "");
}

TEST(HeadlessPlatform, ASoundPlayedToTheEndCostsItsLengthOnTheVirtualClock) {
  QTemporaryDir dir;
  const std::string sound = dir.filePath("porta.wav").toStdString();
  testing::WriteWave(sound, {11025, 1, 16, 16000});
  HeadlessPlatform platform;
  const int64_t start = platform.Milliseconds();
  platform.SoundPlay(sound, false);
  EXPECT_EQ(platform.Milliseconds(), start);
  platform.SoundPlay(sound, true);
  EXPECT_EQ(platform.Milliseconds() - start, WaveLengthMs(sound));
  EXPECT_GT(platform.Milliseconds(), start);
  // A sound that is not there lasts nothing.
  platform.SoundPlay(dir.filePath("nada.wav").toStdString(), true);
  EXPECT_EQ(platform.Milliseconds() - start, WaveLengthMs(sound));
}

}  // namespace
}  // namespace lumora
