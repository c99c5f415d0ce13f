// SDL2_mixer's audio through SDL's disk driver, which writes the mixed samples
// to a file: the demo's tune and door sound must reach it as real sound, a file
// that is no music must be refused with the library's message, and the volume
// scale must map onto the mixer's.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "media/wave_file.h"
#include "platform/audio_module.h"
#include "platform/sdl_audio.h"

namespace lumora {
namespace {

// A sound played to its end: its caller waits as the player does.
void WaitForTheEnd(Audio& audio) {
  while (audio.SoundLeftMs() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// The disk driver's output file for this test; SDL reads the variables when
// the audio is first opened, which SdlAudio does on its first request.
class DiskAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    output = dir.filePath("out.raw").toStdString();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  }
  void TearDown() override {
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
  }
  // Signed 16-bit samples written so far whose magnitude passes a whisper.
  size_t LoudSamples() const {
    std::ifstream in(output, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t loud = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
      const int16_t s = static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8));
      if (s > 300 || s < -300) ++loud;
    }
    return loud;
  }
  QTemporaryDir dir;
  std::string output;
};

TEST_F(DiskAudio, TheDemoTuneAndDoorSoundWriteRealSamples) {
  SdlAudio audio;
  ASSERT_EQ(audio.MusicOpen(LUMORA_DEMO "/tema.mid"), "");
  ASSERT_EQ(audio.MusicPlay(), "");
  // The door sound played to the end carries the tune's first moments along.
  auto toEnd = [&](const char* path) {
    audio.SoundPlay(path, true);
    WaitForTheEnd(audio);
  };
  toEnd(LUMORA_DEMO "/porta.wav");
  const size_t withSound = LoudSamples();
  EXPECT_GT(withSound, 10000u);
  audio.MusicVolume(0);
  toEnd(LUMORA_DEMO "/clk3.wav");
  EXPECT_GT(LoudSamples(), withSound);
}

TEST_F(DiskAudio, TheTuneAloneIsHeard) {
  SdlAudio audio;
  ASSERT_EQ(audio.MusicOpen(LUMORA_DEMO "/tema.mid"), "");
  ASSERT_EQ(audio.MusicPlay(), "");
  // A sound that cannot be read plays nothing; the wait comes from a silent
  // sound of known length made here.
  audio.SoundPlay(dir.filePath("nada.wav").toStdString(), true);
  const std::string quiet = dir.filePath("quiet.wav").toStdString();
  {
    std::ofstream w(quiet, std::ios::binary);
    const uint32_t rate = 22050, bytes = rate * 2 / 2;  // half a second, mono 16-bit
    auto u32 = [&](uint32_t v) { w.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { w.write(reinterpret_cast<const char*>(&v), 2); };
    w.write("RIFF", 4), u32(36 + bytes), w.write("WAVEfmt ", 8), u32(16), u16(1), u16(1), u32(rate), u32(rate * 2),
        u16(2), u16(16), w.write("data", 4), u32(bytes);
    w.write(std::string(bytes, '\0').data(), bytes);
  }
  audio.SoundPlay(quiet, true);
  WaitForTheEnd(audio);
  EXPECT_GT(LoudSamples(), 1000u);
}

TEST_F(DiskAudio, AFileThatIsNoMusicIsRefusedWithTheLibrarysMessage) {
  const std::string text = dir.filePath("texto.mid").toStdString();
  std::ofstream(text) << "isto nao e musica\n";
  const std::string cut = dir.filePath("cortado.ogg").toStdString();
  std::ofstream(cut, std::ios::binary) << std::string("OggS\0\x02", 6);
  SdlAudio audio;
  for (const std::string& path : {text, cut}) {
    std::string problem = audio.MusicOpen(path);
    if (problem.empty()) problem = audio.MusicPlay();
    EXPECT_NE(problem, "") << path;
  }
}

// SDL_mixer's music loader divides by the frame size: a WAVE header of 0
// channels ended the program with SIGFPE. It is a music that cannot be opened,
// and a sound that plays nothing, whichever way it is asked for.
TEST_F(DiskAudio, AWaveHeaderOfNoChannelsIsRefusedNotLoaded) {
  const std::string bad = dir.filePath("mudo.wav").toStdString();
  testing::WriteWave(bad, {8000, 0, 16, 0, 0, false, 2, 1, 16, 16000});
  SdlAudio audio;
  ASSERT_EQ(audio.MusicOpen(LUMORA_DEMO "/tema.mid"), "");
  EXPECT_NE(audio.MusicOpen(bad), "");
  EXPECT_EQ(audio.MusicPlay(), "");  // nothing open, nothing to play
  audio.SoundPlay(bad, true);
  EXPECT_EQ(audio.SoundLeftMs(), 0);
  // The module the program loads answers the same.
  QString error;
  std::unique_ptr<Audio> module = LoadAudioModule(QStringLiteral(LUMORA_AUDIO_MODULE_FILE), error);
  ASSERT_TRUE(module) << error.toStdString();
  EXPECT_NE(module->MusicOpen(bad), "");
}

// A sound played to its end is followed by its caller: it lasts about its
// length, and a stop ends it.
TEST_F(DiskAudio, ASoundLastsItsLengthUntilStopped) {
  const std::string quiet = dir.filePath("longo.wav").toStdString();
  testing::WriteWave(quiet, {22050, 1, 16, 22050 * 3});  // three seconds
  SdlAudio audio;
  audio.SoundPlay(quiet, true);
  const int64_t left = audio.SoundLeftMs();
  EXPECT_GT(left, 2000);
  EXPECT_LE(left, 3000);
  audio.SoundStop();
  EXPECT_EQ(audio.SoundLeftMs(), 0);
  audio.SoundPlay(dir.filePath("nada.wav").toStdString(), true);
  EXPECT_EQ(audio.SoundLeftMs(), 0);
}

// The program loads the same audio from its module with the first sound.
TEST_F(DiskAudio, TheModuleGivesTheSdlAudio) {
  QString error;
  std::unique_ptr<Audio> audio = LoadAudioModule(QStringLiteral(LUMORA_AUDIO_MODULE_FILE), error);
  ASSERT_TRUE(audio) << error.toStdString();
  audio->SoundPlay(LUMORA_DEMO "/porta.wav", true);
  WaitForTheEnd(*audio);
  EXPECT_GT(LoudSamples(), 1000u);
  EXPECT_FALSE(LoadAudioModule(dir.filePath("nenhum.so"), error));
  EXPECT_FALSE(error.isEmpty());
}

// Whatever the machine has, a device opens: its own, or SDL's dummy driver
// where it has none. The refusal of a file that is no music shows it did.
TEST(SdlAudio, OpensADeviceOnAnyMachine) {
  QTemporaryDir dir;
  const std::string text = dir.filePath("texto.mid").toStdString();
  std::ofstream(text) << "isto nao e musica\n";
  SdlAudio audio;
  EXPECT_NE(audio.MusicOpen(text), "");
}

// No driver at all (here one that does not exist, named by the environment,
// which no fallback overrides): music and sounds are silent, never an error.
TEST(SdlAudio, WithoutAnyDriverEverythingIsSilentAndNoError) {
  QTemporaryDir dir;
  const std::string text = dir.filePath("texto.mid").toStdString();
  std::ofstream(text) << "isto nao e musica\n";
  setenv("SDL_AUDIODRIVER", "nenhum", 1);
  SdlAudio audio;
  EXPECT_EQ(audio.MusicOpen(text), "");
  EXPECT_EQ(audio.MusicPlay(), "");
  audio.MusicVolume(500);
  audio.SoundPlay(LUMORA_DEMO "/porta.wav", true);
  audio.SoundStop();
  unsetenv("SDL_AUDIODRIVER");
}

TEST(MixerVolume, MapsTheThousandScaleOntoTheMixersAndClamps) {
  const std::pair<int, int> cases[] = {{0, 0}, {1000, 128}, {500, 64}, {-5, 0}, {5000, 128}, {4, 1}, {3, 0}};
  for (const auto& [level, want] : cases) EXPECT_EQ(MixerVolume(level), want) << level;
}

}  // namespace
}  // namespace lumora
