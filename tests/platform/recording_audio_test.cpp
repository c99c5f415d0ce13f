// The audio of headless runs: every request recorded in order, a sound lasting
// its length on the virtual clock, and what the device refuses refused.
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
  // A file that cannot be read is refused, as the device would; so is a WAVE
  // header the device's music loader is never given (0 channels).
  EXPECT_NE(audio.MusicOpen(dir.filePath("nada.mid").toStdString()), "");
  const std::string mute = dir.filePath("mudo.wav").toStdString();
  testing::WriteWave(mute, {8000, 0, 16, 0, 0, false, 2, 1, 16, 16000});
  EXPECT_NE(audio.MusicOpen(mute), "");
}

// A long walkthrough clicks a key sound at every letter: the record keeps the
// latest requests, not every one since the start.
TEST(RecordingAudio, KeepsOnlyTheLatestRequests) {
  RecordingAudio audio(nullptr);
  for (int i = 0; i < 20000; ++i) audio.SoundPlay("clk3.wav", false);
  audio.SoundStop();
  EXPECT_EQ(audio.requests.size(), RecordingAudio::kKeptRequests);
  EXPECT_EQ(audio.requests.front(), "sound clk3.wav async");
  EXPECT_EQ(audio.requests.back(), "stop");
}

// The addresses opened and the texts read are kept for the automation, which
// takes them at every step; a long session without it keeps nothing.
TEST(HeadlessPlatform, KeepsWhatItOpensAndReadsOnlyWhileRecording) {
  HeadlessPlatform platform;
  platform.openInBrowser = false;
  for (int i = 0; i < 10000; ++i) {
    platform.OpenUrl("http://www.example.org/");
    platform.Speak("Uma sala.");
    platform.StopSpeaking();
  }
  EXPECT_TRUE(platform.opened.empty());
  EXPECT_TRUE(platform.spoken.empty());
  platform.recording = true;
  platform.OpenUrl("http://www.example.org/");
  platform.Speak("Uma sala.");
  platform.StopSpeaking();
  EXPECT_EQ(platform.opened, std::vector<std::string>{"http://www.example.org/"});
  EXPECT_EQ(platform.spoken, (std::vector<std::string>{"Uma sala.", ""}));
}

TEST(HeadlessPlatform, ASoundLastsItsLengthOnTheVirtualClock) {
  QTemporaryDir dir;
  const std::string sound = dir.filePath("porta.wav").toStdString();
  testing::WriteWave(sound, {11025, 1, 16, 16000});
  HeadlessPlatform platform;
  const int64_t start = platform.Milliseconds();
  const int64_t length = WaveLengthMs(sound);
  ASSERT_GT(length, 100);
  // Playing costs no time; the caller that waits for the end moves the clock.
  platform.SoundPlay(sound, true);
  EXPECT_EQ(platform.Milliseconds(), start);
  EXPECT_EQ(platform.SoundLeftMs(), length);
  platform.Sleep(100);
  EXPECT_EQ(platform.SoundLeftMs(), length - 100);
  platform.Sleep(static_cast<int>(length));
  EXPECT_EQ(platform.SoundLeftMs(), 0);
  // Stopped, it is over; a sound that is not there, or cannot be played, lasts nothing.
  platform.SoundPlay(sound, false);
  EXPECT_EQ(platform.SoundLeftMs(), length);
  platform.SoundStop();
  EXPECT_EQ(platform.SoundLeftMs(), 0);
  platform.SoundPlay(dir.filePath("nada.wav").toStdString(), true);
  EXPECT_EQ(platform.SoundLeftMs(), 0);
  const std::string mute = dir.filePath("mudo.wav").toStdString();
  testing::WriteWave(mute, {8000, 0, 16, 0, 0, false, 2, 1, 16, 16000});
  platform.SoundPlay(mute, true);
  EXPECT_EQ(platform.SoundLeftMs(), 0);
}

}  // namespace
}  // namespace lumora
