// Reading aloud: which texts are read, once each, the texts of a run in order,
// the reading stopped by the player's next action, and a page's words.
#include <gtest/gtest.h>

#include <functional>

#include "input/mouse.h"
#include "input/typed_command.h"
#include "input/web_navigation.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/read_aloud.h"

namespace lumora {
namespace {

TEST(PageWordsTest, APageReadsAsItsVisibleWords) {
  const struct {
    const char* html;
    const char* words;
  } cases[] = {
      {"<head><title>Lumora: x</title></head><body bgcolor=#FFFFFF><font face=Arial>Uma sala<br>escura</font>",
       "Uma sala escura"},
      {"<p>Tom &amp; Jerry&nbsp;&lt;3&gt;</p>", "Tom & Jerry <3>"},
      {"antes<script>var a = 1;</script> depois<STYLE>p{}</STYLE>!", "antes depois !"},
      {"<a href=\"x?Scp=porta\">a porta</a>\r\n\r\n  aberta", "a porta aberta"},
      {"<headline>fica</headline>", "fica"},  // only the head itself is left out
      {"sem fim <b", "sem fim"},
  };
  for (const auto& c : cases) EXPECT_EQ(PageWords(c.html), c.words) << c.html;
}

class ReadAloudTest : public ::testing::Test {
 protected:
  void Run(const StringList& lines) {
    s.Run(lines);
    ReadNewTexts(s.f);
  }
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(ReadAloudTest, EachNewMessageOfTheModelShownIsReadOnce) {
  ASSERT_TRUE(SetReadAloud(s.f, true));
  const struct {
    StringList script;
    std::vector<std::string> read;
  } cases[] = {
      {{"msg= Uma sala escura."}, {"Uma sala escura."}},
      {{"msg= Uma sala escura."}, {}},  // the same text still shown: nothing new
      {{"msg= Uma porta."}, {"Uma porta."}},
      {{"modo= 0", "msg= Linha um.", "msg= Linha dois."}, {"Linha um.Linha dois."}},  // one reading, not cut off
      {{"modo= 0", "msg= Linha tres."}, {"Linha tres."}},                             // the memo's new tail only
  };
  for (const auto& c : cases) {
    s.platform.spoken.clear();
    Run(c.script);
    EXPECT_EQ(s.platform.spoken, c.read) << c.script.front();
  }
}

TEST_F(ReadAloudTest, WithoutAnEngineReadingStaysOffAndThePlayerIsToldOnce) {
  s.platform.speechAvailable = false;
  EXPECT_FALSE(SetReadAloud(s.f, true));
  EXPECT_FALSE(s.f.notice.empty());
  s.f.notice.clear();  // the window showed it
  EXPECT_FALSE(ToggleReadAloud(s.f));
  EXPECT_TRUE(s.f.notice.empty());
  Run({"msg= Uma sala."});
  EXPECT_TRUE(s.platform.spoken.empty());
}

TEST_F(ReadAloudTest, TurningReadingOnReadsWhatIsShownAndOffStopsIt) {
  Run({"msg= Uma sala."});
  EXPECT_TRUE(s.platform.spoken.empty());
  ASSERT_TRUE(ToggleReadAloud(s.f));
  ReadNewTexts(s.f);
  EXPECT_EQ(s.platform.spoken, std::vector<std::string>{"Uma sala."});
  EXPECT_FALSE(ToggleReadAloud(s.f));
  Run({"msg= Outra sala."});
  EXPECT_EQ(s.platform.spoken, (std::vector<std::string>{"Uma sala.", ""}));  // stopped, nothing more read
}

// The window reads at every point where a run lets messages through, as it
// shows the model there: the texts of one run are each read in full, in turn.
TEST_F(ReadAloudTest, TheTextsOfOneRunAreReadInOrderWithoutCuttingEachOtherOff) {
  ASSERT_TRUE(SetReadAloud(s.f, true));
  s.platform.onProcessMessages = [this] { ReadNewTexts(s.f); };
  Run({"msg= Uma sala escura, com uma porta ao norte.", "pausa= 1", "msg= Visitas \xE0 entrada: 1"});
  EXPECT_EQ(s.platform.spoken,
            (std::vector<std::string>{"Uma sala escura, com uma porta ao norte.", "Visitas \xE0 entrada: 1"}));
}

// The player's next action stops what is still being read before its own run's
// texts are read; typing a letter does not.
TEST_F(ReadAloudTest, ThePlayersNextActionStopsTheReadingBeforeItsTextsAreRead) {
  game.WriteLines("vocab.scp", {"OLHA|outra"});
  game.WriteScript("outra", {"msg= Outra sala."});
  const struct {
    const char* what;
    std::function<void(TForm1&)> act;
    std::vector<std::string> read;
  } cases[] = {
      {"Enter in the input line",
       [](TForm1& f) {
         f.Input.text = "olha";
         InputKeyUp(f, InputKey::Enter);
       },
       {"", "Outra sala."}},
      {"an arrow through its exit",
       [](TForm1& f) {
         f.exits.norte = "outra";
         InputKeyUp(f, InputKey::Up);
       },
       {"", "Outra sala."}},
      {"an area's release",
       [](TForm1& f) {
         SurfaceMouseMove(f, MouseSurface::TelCmd, 15, 15);
         SurfaceMouseUp(f, MouseSurface::TelCmd, 15, 15);
       },
       {"", "Outra sala."}},
      {"a link followed", [](TForm1& f) { WebBNavigateComplete2(f, f.gameFolderUrl + "Scp=outra"); }, {"", "Outra sala."}},
      {"a key typed", [](TForm1& f) { InputKeyDown(f); }, {}},
      {"an arrow without an exit", [](TForm1& f) { InputKeyUp(f, InputKey::Down); }, {}},
  };
  ASSERT_TRUE(SetReadAloud(s.f, true));
  for (const auto& c : cases) {
    Run({"msg= Uma sala.", "lnkfnc= ,outra,10,10,20,20"});
    s.platform.spoken.clear();
    c.act(s.f);
    ReadNewTexts(s.f);
    EXPECT_EQ(s.platform.spoken, c.read) << c.what;
  }
}

}  // namespace
}  // namespace lumora
