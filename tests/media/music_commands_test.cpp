// "playmusic"/"play", "volume=" and "playsnd" on the recording platform: what
// reaches the audio, in which order, what the clock and the trace say.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "media/wave_file.h"
#include "media/wave_length.h"
#include "script/run_script.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

using testing::Session;
using testing::TempGame;
using testing::WaveSpec;
using testing::WriteWave;

const std::string kNotThere = " <--- arquivo n\xE3o existe";

class MusicCommands : public ::testing::Test {
 protected:
  MusicCommands() : s(game) {}
  std::string Exec(const std::string& line) { return s.Exec({line}); }
  void Wave(const std::string& name, WaveSpec spec = {}) { WriteWave(game.folder() + name, spec); }
  TempGame game;
  Session s;
};

TEST_F(MusicCommands, PlayMusicOpensTheGameFoldersFileAndPlaysIt) {
  game.WriteLines("tema.mid", {"MThd"});
  game.WriteLines("Sala Grande.OGG", {"OggS"});
  game.WriteLines("m\xFAsica.mid", {"MThd"});  // stored under its UTF-8 name
  const struct {
    const char* line;
    const char* file;  // as it lies in the game folder
  } cases[] = {
      {"playmusic tema.mid", "tema.mid"},
      {"play tema.mid", "tema.mid"},
      {"playmusic TEMA.MID", "tema.mid"},  // the case of a Windows name
      {"play sala grande.ogg", "Sala Grande.OGG"},
      {"play M\xDAsica.mid", "m\xC3\xBAsica.mid"},  // Windows-1252 in the script, either case
  };
  for (const auto& c : cases) {
    s.platform.audio.clear();
    const std::string trace = Exec(c.line);
    EXPECT_EQ(s.platform.audio, (std::vector<std::string>{"music " + game.folder() + c.file, "play"})) << c.line;
    EXPECT_TRUE(trace.ends_with(std::string(c.line).substr(std::string(c.line).find(' ') + 1))) << trace;
  }
}

TEST_F(MusicCommands, ASecondPlayMusicOpensTheOtherFile) {
  game.WriteLines("tema.mid", {"MThd"});
  game.WriteLines("outra.mid", {"MThd"});
  Exec("playmusic tema.mid");
  Exec("playmusic outra.mid");
  EXPECT_EQ(s.platform.audio, (std::vector<std::string>{"music " + game.folder() + "tema.mid", "play",
                                                         "music " + game.folder() + "outra.mid", "play"}));
}

TEST_F(MusicCommands, AMissingMusicFileChangesNothing) {
  game.WriteLines("tema.mid", {"MThd"});
  Exec("playmusic tema.mid");
  const auto before = s.platform.audio;
  for (const char* line : {"play nada.mid", "playmusic", "play ." /* a folder is no file */}) {
    EXPECT_TRUE(Exec(line).ends_with(kNotThere)) << line;
    EXPECT_EQ(s.platform.audio, before) << line;
  }
}

TEST_F(MusicCommands, MusicLooksInTheGameFolderNotTheProgramFolder) {
  TempGame other("outro");
  other.WriteLines("tema.mid", {"MThd"});
  s.f.gameFolder = other.folder();
  Exec("playmusic tema.mid");
  ASSERT_FALSE(s.platform.audio.empty());
  EXPECT_EQ(s.platform.audio[0], "music " + other.folder() + "tema.mid");
}

TEST_F(MusicCommands, AFileTheDeviceRefusesEndsTheRunNamingFileAndReason) {
  game.WriteLines("texto.mid", {"isto n\xE3o \xE9 m\xFAsica"});
  s.platform.musicError = "ModPlug_Load failed";
  try {
    Exec("playmusic texto.mid");
    FAIL() << "no error";
  } catch (const ScriptError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + game.folder() + "texto.mid\". ModPlug_Load failed");
  }
  // In a run: the lines after it do not run.
  game.WriteScript("musica", {"playmusic texto.mid", "msg= depois"});
  EXPECT_THROW(RunScript(s.f, "musica"), ScriptError);
  EXPECT_NE(s.f.Msg.text, "depois");
}

TEST_F(MusicCommands, VolumePassesTheLevelReadAsAWholeNumber) {
  const struct {
    const char* line;
    int level;
  } cases[] = {{"volume= 500", 500}, {"volume= 1000", 1000}, {"volume=", 0}, {"volume= alto", 0},
               {"volume= -3", -3},   {"volume= $10", 16}};
  for (const auto& c : cases) {
    s.platform.audio.clear();
    const std::string trace = Exec(c.line);
    EXPECT_EQ(s.platform.audio, std::vector<std::string>{"volume " + std::to_string(c.level)}) << c.line;
    EXPECT_TRUE(trace.ends_with("volume= " + std::to_string(c.level))) << trace;
  }
}

TEST_F(MusicCommands, PlaySndWithoutOnReturnsAtOnce) {
  Wave("porta.wav");
  const int64_t before = s.platform.clock;
  const int processed = s.platform.processCount;
  Exec("playsnd porta.wav");
  EXPECT_EQ(s.platform.audio, std::vector<std::string>{"sound " + game.folder() + "porta.wav async"});
  EXPECT_EQ(s.platform.clock, before);
  EXPECT_EQ(s.platform.processCount, processed);
}

TEST_F(MusicCommands, PlaySndOnWaitsTheSoundsLengthThenLetsMessagesThrough) {
  const WaveSpec spec{8000, 1, 16, 12000};
  Wave("porta.wav", spec);
  const int64_t before = s.platform.clock;
  int64_t clockWhenProcessed = -1;
  s.platform.OnceDuringProcessMessages([&] { clockWhenProcessed = s.platform.clock; });
  const std::string trace = Exec("playsnd porta.wav,on");
  EXPECT_EQ(s.platform.audio, std::vector<std::string>{"sound " + game.folder() + "porta.wav sync"});
  EXPECT_EQ(s.platform.clock - before, WaveLengthMs(game.folder() + "porta.wav"));
  EXPECT_GT(s.platform.clock, before);
  // Messages come after the sound has ended.
  EXPECT_EQ(clockWhenProcessed, s.platform.clock);
  EXPECT_TRUE(trace.ends_with("playsnd porta.wav,on")) << trace;
}

TEST_F(MusicCommands, ARunNestedInTheSoundsWaitLeavesItsTraceLineAlone) {
  Wave("porta.wav");
  game.WriteScript("clique", {"msg= clicou"});
  s.platform.OnceWhenPlayerActs([&] { RunScript(s.f, "clique"); });
  const std::string trace = Exec("playsnd porta.wav,on");
  EXPECT_EQ(s.f.Msg.text, "clicou");
  EXPECT_TRUE(trace.ends_with("playsnd porta.wav,on")) << trace;
}

TEST_F(MusicCommands, PlaySndOffStopsAndOtherSecondArgumentsPlayNothing) {
  Wave("porta.wav");
  EXPECT_TRUE(Exec("playsnd off").ends_with("playsnd off,"));
  EXPECT_TRUE(Exec("playsnd off,agora").ends_with("playsnd off,agora"));
  EXPECT_EQ(s.platform.audio, (std::vector<std::string>{"stop", "stop"}));
  s.platform.audio.clear();
  for (const char* line : {"playsnd porta.wav,x", "playsnd porta.wav,ON", "playsnd porta.wav, on"}) Exec(line);
  EXPECT_TRUE(s.platform.audio.empty());
}

TEST_F(MusicCommands, PlaySndNeedsAName) {
  EXPECT_TRUE(Exec("playsnd").ends_with("playsnd  <--- n\xE3o definiu nome de arquivo .wav"));
  EXPECT_TRUE(Exec("playsnd ,on").ends_with(" <--- n\xE3o definiu nome de arquivo .wav"));
  EXPECT_TRUE(s.platform.audio.empty());
}

TEST_F(MusicCommands, SoundsComeFromTheProgramFolderAndAMissingOneIsStillAsked) {
  TempGame other("outro");
  s.f.gameFolder = other.folder();
  Exec("playsnd Nada.wav");
  // The device plays nothing for it; the clock does not move for a sound that is not there.
  Exec("playsnd nada.wav,on");
  EXPECT_EQ(s.platform.audio, (std::vector<std::string>{"sound " + game.folder() + "Nada.wav async",
                                                         "sound " + game.folder() + "nada.wav sync"}));
  EXPECT_EQ(s.platform.clock, 0);
}

TEST_F(MusicCommands, SoundNamesLongerThanTheBufferAreRefused) {
  const std::string fits = std::string(75, 'a') + ".wav";  // 79 characters
  const std::string tooLong = std::string(76, 'a') + ".wav";
  Wave(fits);
  Exec("playsnd " + fits);
  EXPECT_EQ(s.platform.audio, std::vector<std::string>{"sound " + game.folder() + fits + " async"});
  s.platform.audio.clear();
  for (const std::string& line : {"playsnd " + tooLong, "playsnd " + tooLong + ",on"}) {
    EXPECT_TRUE(Exec(line).ends_with(" <--- nome de arquivo .wav longo demais")) << line;
  }
  EXPECT_TRUE(s.platform.audio.empty());
}

TEST_F(MusicCommands, TheLogKeepsTheNamesAsGivenOnlyWhileListened) {
  game.WriteLines("tema.mid", {"MThd"});
  Exec("playsnd porta.wav");
  EXPECT_TRUE(s.f.audio.events.empty());
  s.f.audio.listening = true;
  for (const char* line : {"playmusic TEMA.MID", "volume= 300", "playsnd porta.wav", "playsnd porta.wav,on",
                           "playsnd off", "play nada.mid", "playsnd porta.wav,x"})
    Exec(line);
  using K = AudioEvent::Kind;
  using M = AudioEvent::Mode;
  const std::vector<std::tuple<K, std::string, int, M>> want = {
      {K::Music, "TEMA.MID", 0, M::Async}, {K::Volume, "", 300, M::Async}, {K::Sound, "porta.wav", 0, M::Async},
      {K::Sound, "porta.wav", 0, M::Sync}, {K::Sound, "off", 0, M::Stop}};
  ASSERT_EQ(s.f.audio.events.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    const AudioEvent& e = s.f.audio.events[i];
    EXPECT_EQ(std::tie(e.kind, e.name, e.level, e.mode), std::tie(std::get<0>(want[i]), std::get<1>(want[i]),
                                                                  std::get<2>(want[i]), std::get<3>(want[i])))
        << i;
  }
}

}  // namespace
}  // namespace lumora
