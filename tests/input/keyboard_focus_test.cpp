// Clicks from the keyboard: the focus ring's walk over the areas shown, and
// Enter on an area doing what a mouse click on it does.
#include <gtest/gtest.h>

#include "input/keyboard_focus.h"
#include "input/window_entries.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/picture_test_files.h"

namespace lumora {
namespace {

constexpr QRgb kUp = 0xFF2040A0, kDown = 0xFFA04020;

class KeyboardFocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::Save(testing::Plain(20, 10, kUp), game.folder() + "botao.png", "PNG"));
    ASSERT_TRUE(testing::Save(testing::Plain(10, 5, kDown), game.folder() + "botao-d.png", "PNG"));
    for (const char* name : {"um", "dois", "tres", "quatro"}) game.WriteScript(name, {std::string("reg= 1,") + name});
  }
  // The areas the ring visits from none, pressing Tab (or Shift+Tab) n times.
  std::vector<int> Walk(bool forward, int n) {
    s.f.keyFocusArea = -1;
    std::vector<int> seen;
    for (int i = 0; i < n; ++i) seen.push_back(MoveKeyFocus(s.f, forward));
    return seen;
  }
  testing::TempGame game;
  testing::Session s{game};
};

// Screen areas take slots 0 and 1, the panel's 20, the background's 40; the
// ring keeps slot order across surfaces and stops at the input line when it is
// there to take the keys.
TEST_F(KeyboardFocusTest, TabWalksTheShownAreasInSlotOrderAndStopsAtTheInputLine) {
  s.Run({"lnkfnc= ,tres,5,5,10,10", "lnktel= ,um,5,5,10,10", "lnktel= ,dois,50,5,10,10", "lnkpan= ,quatro,5,5,10,10"});
  const struct {
    bool inputVisible, forward;
    std::vector<int> walk;
  } cases[] = {
      {true, true, {0, 1, 20, 40, -1, 0}},
      {true, false, {40, 20, 1, 0, -1, 40}},
      {false, true, {0, 1, 20, 40, 0, 1}},
      {false, false, {40, 20, 1, 0, 40, 20}},
  };
  for (const auto& c : cases) {
    s.f.Input.visible = c.inputVisible;
    EXPECT_EQ(Walk(c.forward, 6), c.walk) << c.inputVisible << c.forward;
  }
}

TEST_F(KeyboardFocusTest, AreasOfSurfacesNotShownAreSkipped) {
  s.Run({"lnktel= ,um,5,5,10,10", "lnkfnc= ,dois,5,5,10,10"});
  s.f.Input.visible = false;
  auto& md3 = s.f.links.records[60];
  md3 = {true, 5, 500, 20, 30, 1, "", "tres", "", ""};
  const struct {
    const char* what;
    std::function<void()> change;
    std::vector<int> areas;
  } cases[] = {
      {"model 1", [] {}, {0, 20}},
      {"model-3 page", [&] { s.f.Abok1.ShowPage("3"); }, {20, 60}},
      {"panel hidden", [&] { s.f.TelCmd.visible = false; }, {60}},
      {"opening screen", [&] { s.f.Abok0.pageIndex = 2; }, {}},
  };
  for (const auto& c : cases) {
    c.change();
    EXPECT_EQ(FocusableAreas(s.f), c.areas) << c.what;
  }
}

TEST_F(KeyboardFocusTest, AModel3AreaInTheRingIsScrolledIntoView) {
  s.f.Abok1.ShowPage("3");
  s.f.Sbox2.height = 200;
  s.f.Tela3.top = 0;
  s.f.links.records[60] = {true, 5, 500, 20, 30, 1, "", "um", "", ""};
  s.f.links.records[61] = {true, 5, 10, 20, 30, 1, "", "dois", "", ""};
  s.f.Input.visible = false;
  const struct {
    int area, scroll;
  } cases[] = {{60, 320}, {61, 10}, {60, 320}};  // bottom at 520 shown; then top at 10
  s.f.keyFocusArea = 99;
  for (const auto& c : cases) {
    ASSERT_EQ(MoveKeyFocus(s.f, true), c.area);
    EXPECT_EQ(s.f.Sbox2.scrollY, c.scroll) << c.area;
  }
}

// Enter in the ring and a mouse click at the same spot give the same pressed
// picture, sound and script, surface by surface.
TEST_F(KeyboardFocusTest, EnterOnAnAreaDoesWhatAMouseClickOnItDoes) {
  const struct {
    MouseSurface surface;
    const char* line;
    QImage* picture;
  } cases[] = {
      {MouseSurface::Tela, "lnktel= botao.png,um,5,5,,,,botao-d.png,bip.wav", &s.f.Tela.picture},
      {MouseSurface::TelCmd, "lnkfnc= botao.png,dois,5,5,,,,botao-d.png,bip.wav", &s.f.TelCmd.picture},
      {MouseSurface::Imp, "lnkpan= botao.png,tres,5,5,,,,botao-d.png,bip.wav", &s.f.Imp.picture},
  };
  for (const auto& c : cases) {
    struct Seen {
      QRgb pressed;
      std::vector<std::string> audio;
      std::string reg;
    };
    auto play = [&](bool keyboard) {
      s.Run({"linksoff", c.line});
      s.Reg(1).clear();
      s.platform.audio.clear();
      Seen seen;
      if (keyboard) {
        MoveKeyFocus(s.f, true);
        EXPECT_TRUE(KeyFocusPress(s.f)) << c.line;
      } else {
        SurfaceMouseMove(s.f, c.surface, 15, 10);
        SurfaceMouseDown(s.f, c.surface, 15, 10);
      }
      seen.pressed = c.picture->pixel(24, 14);
      if (keyboard) EXPECT_TRUE(KeyFocusRelease(s.f)) << c.line;
      else SurfaceMouseUp(s.f, c.surface, 15, 10);
      seen.audio = s.platform.audio;
      seen.reg = s.Reg(1);
      return seen;
    };
    const Seen mouse = play(false), keys = play(true);
    EXPECT_EQ(keys.pressed, kDown) << c.line;
    EXPECT_EQ(keys.pressed, mouse.pressed) << c.line;
    EXPECT_EQ(keys.audio, mouse.audio) << c.line;
    EXPECT_FALSE(keys.reg.empty()) << c.line;
    EXPECT_EQ(keys.reg, mouse.reg) << c.line;
    EXPECT_FALSE(s.f.dragging) << c.line;  // a key never starts a window drag
  }
}

TEST_F(KeyboardFocusTest, TheRingClicksItsOwnAreaUnderAnOverlapAndGoesOutWithTheTable) {
  s.Run({"lnktel= ,um,5,5,40,40", "lnktel= ,dois,0,0,100,100"});
  s.f.keyFocusArea = 0;  // covered entirely by slot 1, which the mouse would hit
  EXPECT_TRUE(KeyFocusPress(s.f));
  EXPECT_TRUE(KeyFocusRelease(s.f));
  EXPECT_EQ(s.Reg(1), "um");
  // The script "um" reset the table: the ring has nothing left to click.
  EXPECT_EQ(KeyFocusedArea(s.f), -1);
  EXPECT_FALSE(KeyFocusPress(s.f));
  EXPECT_FALSE(KeyFocusRelease(s.f));
}

TEST_F(KeyboardFocusTest, OnTheOpeningScreenEnterStartsTheGameUnlessTheRingIsOnAnArea) {
  s.Run({"lnkpan= ,um,5,5,10,10"});
  const struct {
    int page, ring;
    bool starts;
  } cases[] = {{2, -1, true}, {2, 40, false}, {0, -1, false}};
  for (const auto& c : cases) {
    s.f.Abok0.pageIndex = c.page;
    s.f.keyFocusArea = c.ring;
    EXPECT_EQ(KeyStartsGame(s.f), c.starts) << c.page << "," << c.ring;
  }
}

// Who has the keyboard: the window while the ring is on an area, the input
// line when the ring walks off the areas, and the widget the player clicked
// into (the ring goes out).
TEST_F(KeyboardFocusTest, TheKeyboardFollowsTheRingAndThePlayersClicks) {
  s.Run({"lnktel= ,um,5,5,40,40"});
  s.f.focus = Focus::Input;
  EXPECT_EQ(MoveKeyFocus(s.f, true), 0);
  EXPECT_EQ(KeyboardOwner(s.f), Focus::Form);
  s.f.focus = Focus::None;  // Qt's own move took it elsewhere meanwhile
  EXPECT_EQ(MoveKeyFocus(s.f, true), -1);
  EXPECT_EQ(KeyboardOwner(s.f), Focus::Input);
  MoveKeyFocus(s.f, true);
  KeyboardTaken(s.f, Focus::Sbox2);
  EXPECT_EQ(KeyFocusedArea(s.f), -1);
  EXPECT_EQ(KeyboardOwner(s.f), Focus::Sbox2);
}

// A click on a control without areas is its press and a release inside its
// bounds; a press elsewhere, or a release outside, clicks nothing.
TEST_F(KeyboardFocusTest, AClickOnTheOpeningPictureOrTheMarkerIsItsPressAndReleaseInside) {
  s.f.TelAber.width = 100;
  s.f.TelAber.height = 50;
  const struct {
    const Control* pressed;
    int x, y;
    bool click;
  } cases[] = {{&s.f.TelAber, 10, 10, true},  {&s.f.TelAber, 99, 49, true}, {&s.f.TelAber, 100, 10, false},
               {&s.f.TelAber, -1, 10, false}, {&s.f.Voce, 10, 10, false},    {nullptr, 10, 10, false}};
  for (const auto& c : cases) {
    if (c.pressed) ControlPressed(s.f, *c.pressed);
    EXPECT_EQ(ControlReleased(s.f, s.f.TelAber, c.x, c.y), c.click) << c.x << "," << c.y;
    EXPECT_FALSE(ControlReleased(s.f, s.f.TelAber, 10, 10));  // the press is used up
  }
}

}  // namespace
}  // namespace lumora
