// The click-sound player and its callers: a click per key pressed in Input,
// the quit button's two clicks, names that are empty or too long.
#include <gtest/gtest.h>

#include "input/quit_button.h"
#include "input/typed_command.h"
#include "media/click_sounds.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

using testing::Session;
using testing::TempGame;

std::vector<std::string> Repeat(const std::string& line, int n) { return std::vector<std::string>(n, line); }

TEST(ClickSounds, EachKeyPressInInputClicksAndAReleaseDoesNot) {
  TempGame game;
  Session s(game);
  const std::string click = "sound " + game.folder() + "clk3.wav async";
  for (int presses : {1, 3, 7}) {
    s.platform.audio.clear();
    for (int i = 0; i < presses; ++i) InputKeyDown(s.f);
    EXPECT_EQ(s.platform.audio, Repeat(click, presses));
  }
  s.platform.audio.clear();
  for (InputKey key : {InputKey::Other, InputKey::F3, InputKey::Up}) InputKeyUp(s.f, key);
  EXPECT_TRUE(s.platform.audio.empty());
}

TEST(ClickSounds, TheQuitButtonClicksOnPressAndRelease) {
  TempGame game;
  Session s(game);
  std::vector<std::string> seen;
  s.platform.onProcessMessages = [&] { seen = s.platform.audio; };
  BtFimMouseDown(s.f);
  // Heard before the window catches up, as the pressed picture is shown.
  EXPECT_EQ(seen, std::vector<std::string>{"sound " + game.folder() + "clk0a.wav async"});
  BtFimMouseUp(s.f);
  EXPECT_EQ(s.platform.audio, (std::vector<std::string>{"sound " + game.folder() + "clk0a.wav async",
                                                         "sound " + game.folder() + "clk0b.wav async"}));
  EXPECT_TRUE(s.platform.exitRequested);
}

TEST(ClickSounds, AnEmptyNameIsSilentAndATooLongOneIsRefusedInTheTrace) {
  TempGame game;
  Session s(game);
  PlayClickSound(s.f, "");
  const std::string tooLong = std::string(kSoundNameMax - 3, 'b') + ".wav";
  PlayClickSound(s.f, tooLong);
  EXPECT_TRUE(s.platform.audio.empty());
  EXPECT_EQ(s.TraceStartingWith("clique: "),
            std::vector<std::string>{"clique: " + tooLong + " <--- nome de arquivo .wav longo demais"});
  PlayClickSound(s.f, tooLong.substr(1));
  EXPECT_EQ(s.platform.audio, std::vector<std::string>{"sound " + game.folder() + tooLong.substr(1) + " async"});
}

}  // namespace
}  // namespace lumora
