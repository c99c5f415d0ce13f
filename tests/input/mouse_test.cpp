// The mouse over the clickable surfaces: hit tests and cursors, press and
// release, web addresses, the window drag, the wheel, the map's drag and marker.
#include <gtest/gtest.h>

#include "core/trace.h"
#include "input/mouse.h"
#include "nav/map_page.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/picture_test_files.h"

namespace lumora {
namespace {

constexpr QRgb kUp = 0xFF2040A0, kDown = 0xFFA04020;

class MouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::Save(testing::Plain(20, 10, kUp), game.folder() + "botao.png", "PNG"));
    ASSERT_TRUE(testing::Save(testing::Plain(10, 5, kDown), game.folder() + "botao-d.png", "PNG"));
    game.WriteScript("porta", {"reg= 1,porta"});
    game.WriteScript("clique", {"reg= 2,clique"});
  }
  void Click(MouseSurface surface, int x, int y) {
    SurfaceMouseMove(s.f, surface, x, y);
    SurfaceMouseDown(s.f, surface, x, y);
    SurfaceMouseUp(s.f, surface, x, y);
  }
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(MouseTest, TheHighestActiveAreaUnderThePointerWinsBoundsIncluded) {
  s.Run({"lnkfnc= ,a,10,10,50,50,2", "lnkfnc= ,b,30,30,10,10,11", "lnkfnc= ,c,0,0,100,100,6", "linksoff fnc",
       "lnkfnc= ,d,10,10,50,50,2", "lnkfnc= ,e,30,30,10,10,11"});
  const struct {
    int x, y, hovered;
    Cursor cursor;
  } cases[] = {
      {10, 10, 23, Cursor::HandPoint}, {60, 60, 23, Cursor::HandPoint}, {61, 60, -1, Cursor::Arrow},
      {30, 30, 24, Cursor::Cross},     {40, 40, 24, Cursor::Cross},     {41, 40, 23, Cursor::HandPoint},
      {9, 30, -1, Cursor::Arrow},
  };
  for (const auto& c : cases) {
    SurfaceMouseMove(s.f, MouseSurface::TelCmd, c.x, c.y);
    EXPECT_EQ(s.f.hoveredArea, c.hovered) << c.x << "," << c.y;
    EXPECT_EQ(s.f.TelCmd.cursor, c.cursor) << c.x << "," << c.y;
  }
}

TEST_F(MouseTest, EveryCursorKindHasItsOwnShapeAndOthersAreTheArrow) {
  std::vector<Cursor> seen;
  for (int kind = 1; kind <= 11; ++kind) {
    const Cursor c = CursorOfKind(kind);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), c), 0) << kind;
    EXPECT_NE(c, Cursor::Arrow) << kind;
    seen.push_back(c);
  }
  for (int kind : {0, 12, 255}) EXPECT_EQ(CursorOfKind(kind), Cursor::Arrow) << kind;
  EXPECT_EQ(CursorOfKind(1), Cursor::Link);
}

TEST_F(MouseTest, AMoveReportsOnlyWhatChanged) {
  s.Run({"lnkfnc= ,a,10,10,50,50,2"});
  EXPECT_TRUE(SurfaceMouseMove(s.f, MouseSurface::TelCmd, 20, 20).cursor);
  EXPECT_FALSE(SurfaceMouseMove(s.f, MouseSurface::TelCmd, 21, 20).Any());
  EXPECT_TRUE(SurfaceMouseMove(s.f, MouseSurface::TelCmd, 100, 100).cursor);
  EXPECT_FALSE(SurfaceMouseMove(s.f, MouseSurface::TelCmd, 101, 100).Any());
}

TEST_F(MouseTest, TelaRestsOnTheDragCursorWithAPictureClickScript) {
  ASSERT_TRUE(testing::Save(testing::Plain(40, 30, kUp), game.folder() + "sala.png", "PNG"));
  s.Run({"telpos= sala.png,clique"});
  SurfaceMouseMove(s.f, MouseSurface::Tela, 5, 5);
  EXPECT_EQ(s.f.Tela.cursor, Cursor::Drag);
  s.Run({"msg= x"});
  SurfaceMouseMove(s.f, MouseSurface::Tela, 5, 5);
  EXPECT_EQ(s.f.Tela.cursor, Cursor::Arrow);
}

TEST_F(MouseTest, APressOnTelaRunsThePictureScriptAndTheReleaseTheAreas) {
  ASSERT_TRUE(testing::Save(testing::Plain(40, 30, kUp), game.folder() + "sala.png", "PNG"));
  game.WriteScript("clique", {"reg= 2,clique", "telpos= sala.png,clique", "lnktel= botao.png,porta,5,5"});
  s.Run({"telpos= sala.png,clique", "lnktel= botao.png,porta,5,5"});
  SurfaceMouseMove(s.f, MouseSurface::Tela, 6, 6);
  SurfaceMouseDown(s.f, MouseSurface::Tela, 6, 6);
  EXPECT_EQ(s.Reg(2), "clique");
  EXPECT_EQ(s.Reg(1), "");
  SurfaceMouseUp(s.f, MouseSurface::Tela, 6, 6);
  EXPECT_EQ(s.Reg(1), "porta");
  EXPECT_EQ(s.f.Script, "porta");
}

TEST_F(MouseTest, PressedPicturesAreStretchedToTheAreaAndTheReleaseRedrawsThePicture) {
  const struct {
    MouseSurface surface;
    const char* line;
    QImage* picture;
  } cases[] = {
      {MouseSurface::Tela, "lnktel= botao.png,,5,5,,,,botao-d.png", &s.f.Tela.picture},
      {MouseSurface::TelCmd, "lnkfnc= botao.png,,5,5,,,,botao-d.png", &s.f.TelCmd.picture},
      {MouseSurface::Imp, "lnkpan= botao.png,,5,5,,,,botao-d.png", &s.f.Imp.picture},
  };
  for (const auto& c : cases) {
    s.Run({c.line});
    SurfaceMouseMove(s.f, c.surface, 10, 10);
    SurfaceMouseDown(s.f, c.surface, 10, 10);
    // The 10 by 5 pressed picture fills the 20 by 10 area.
    EXPECT_EQ(c.picture->pixel(5, 5), kDown) << c.line;
    EXPECT_EQ(c.picture->pixel(24, 14), kDown) << c.line;
    SurfaceMouseUp(s.f, c.surface, 10, 10);
    EXPECT_EQ(c.picture->pixel(24, 14), kUp) << c.line;
    s.Run({"linksoff"});
  }
}

TEST_F(MouseTest, APressLetsMessagesThroughAndSoundsExceptOnTelaWithoutAPressedPicture) {
  const struct {
    MouseSurface surface;
    const char* line;
    int processed;
    bool sounds;
  } cases[] = {
      {MouseSurface::Tela, "lnktel= botao.png,porta,5,5,0,0,1,,bip.wav", 0, false},
      {MouseSurface::Tela, "lnktel= botao.png,porta,5,5,0,0,1,botao-d.png,bip.wav", 2, true},  // loading lets them through too
      {MouseSurface::TelCmd, "lnkfnc= botao.png,porta,5,5,0,0,1,,bip.wav", 1, true},
      {MouseSurface::Imp, "lnkpan= botao.png,porta,5,5,0,0,1,,bip.wav", 1, true},
      {MouseSurface::TelCmd, "lnkfnc= botao.png,porta,5,5", 1, false},  // no sound given
  };
  for (const auto& c : cases) {
    s.Run({"linksoff", c.line});
    SurfaceMouseMove(s.f, c.surface, 10, 10);
    const int before = s.platform.processCount;
    s.platform.audio.clear();
    SurfaceMouseDown(s.f, c.surface, 10, 10);
    EXPECT_EQ(s.platform.processCount - before, c.processed) << c.line;
    EXPECT_EQ(s.platform.audio.size(), c.sounds ? 1u : 0u) << c.line;
    if (c.sounds && !s.platform.audio.empty()) { EXPECT_NE(s.platform.audio[0].find("bip.wav async"), std::string::npos); }
    SurfaceMouseUp(s.f, c.surface, 10, 10);
  }
}

TEST_F(MouseTest, AMissingPressedPictureLeavesTheSurfaceAndTheClickStillCounts) {
  s.Run({"lnkfnc= botao.png,porta,5,5,,,,sumiu.png"});
  SurfaceMouseMove(s.f, MouseSurface::TelCmd, 10, 10);
  SurfaceMouseDown(s.f, MouseSurface::TelCmd, 10, 10);
  EXPECT_EQ(s.f.TelCmd.picture.pixel(10, 10), kUp);
  SurfaceMouseUp(s.f, MouseSurface::TelCmd, 10, 10);
  EXPECT_EQ(s.Reg(1), "porta");
}

TEST_F(MouseTest, AReleaseOutsideEveryAreaDoesNothing) {
  s.Run({"lnkfnc= botao.png,porta,5,5"});
  SurfaceMouseMove(s.f, MouseSurface::TelCmd, 10, 10);
  SurfaceMouseDown(s.f, MouseSurface::TelCmd, 10, 10);
  SurfaceMouseMove(s.f, MouseSurface::TelCmd, 100, 100);
  SurfaceMouseUp(s.f, MouseSurface::TelCmd, 100, 100);
  EXPECT_EQ(s.Reg(1), "");
}

// The pointer stands still after a click while the run refills the table: the
// next press and release act on what lies under them now, not on the slot
// number the last movement found.
TEST_F(MouseTest, APressAndAReleaseAreHitTestedWhereTheyHappen) {
  const struct {
    const char* what;
    StringList table;      // before the pointer moves
    int moveX, moveY;      // the last movement
    StringList refill;     // after it, empty for none
    const char* expected;  // register 1 after a click at (15, 15)
    Cursor cursor;         // TelCmd's pointer after it
  } cases[] = {
      {"no movement over the area", {"lnkfnc= ,porta,10,10,20,20,2"}, 50, 50, {}, "porta", Cursor::HandPoint},
      {"its slot refilled elsewhere",
       {"lnkfnc= ,porta,10,10,20,20"},
       15,
       15,
       {"reg= 1,", "lnkfnc= ,porta,100,100,10,10", "lnkfnc= ,outra,10,10,20,20,11"},
       "outra",
       Cursor::Cross},
      {"the area gone", {"lnkfnc= ,porta,10,10,20,20"}, 15, 15, {"reg= 1,"}, "", Cursor::Arrow},
  };
  game.WriteScript("outra", {"reg= 1,outra"});
  for (const auto& c : cases) {
    s.Run(c.table);
    SurfaceMouseMove(s.f, MouseSurface::TelCmd, c.moveX, c.moveY);
    if (!c.refill.empty()) s.Run(c.refill);
    SurfaceMouseDown(s.f, MouseSurface::TelCmd, 15, 15);
    EXPECT_EQ(s.f.TelCmd.cursor, c.cursor) << c.what;
    SurfaceMouseUp(s.f, MouseSurface::TelCmd, 15, 15);
    EXPECT_EQ(s.Reg(1), c.expected) << c.what;
    s.Reg(1).clear();
  }
}

TEST_F(MouseTest, PicFmapTwiceReturnsToTheModelsPageWithTheInputLineAsItWas) {
  s.Run({"defpicmap= fnc,0,0,50,50", "picmap= 0,0"});
  ASSERT_TRUE(s.f.Input.visible);
  Click(MouseSurface::TelCmd, 10, 10);
  EXPECT_EQ(s.f.Abok1.ActivePage(), "Mapa");
  EXPECT_FALSE(s.f.Input.visible);
  Click(MouseSurface::TelCmd, 10, 10);
  EXPECT_EQ(s.f.Abok1.ActivePage(), "1");
  EXPECT_TRUE(s.f.Input.visible);
}

TEST_F(MouseTest, WebAddressesOpenInTheBrowserOnlyWhenWellFormedAndNeverRunAScript) {
  const struct {
    const char* reference;
    const char* opened;
  } cases[] = {
      {"http://exemplo.org/", "http://exemplo.org/"},
      {"veja https://exemplo.org/a?b=1", "https://exemplo.org/a?b=1"},
      {"http://", nullptr},
      {"http://exemplo .org/", nullptr},
  };
  for (const auto& c : cases) {
    s.platform.openedUrls.clear();
    s.trace.clear();
    s.Run({std::string("lnkfnc= ,") + c.reference + ",0,0,50,50"});
    Click(MouseSurface::TelCmd, 10, 10);
    if (c.opened) {
      EXPECT_EQ(s.platform.openedUrls, std::vector<std::string>{c.opened}) << c.reference;
    } else {
      EXPECT_TRUE(s.platform.openedUrls.empty()) << c.reference;
      EXPECT_FALSE(s.TraceStartingWith("Endere\xE7o inv\xE1lido").empty()) << c.reference;
    }
    EXPECT_EQ(s.f.Script, "start") << c.reference;  // no script ran
  }
}

TEST_F(MouseTest, TheWindowMovesWithTheBackgroundOutsideItsAreasOnly) {
  s.Run({"lnkpan= ,porta,100,100,50,50"});
  s.f.windowLeft = 200;
  s.f.windowTop = 150;
  SurfaceMouseMove(s.f, MouseSurface::Imp, 10, 10);
  SurfaceMouseDown(s.f, MouseSurface::Imp, 10, 10);
  EXPECT_TRUE(SurfaceMouseMove(s.f, MouseSurface::Imp, 40, 25).window);
  EXPECT_EQ(s.f.windowLeft, 230);
  EXPECT_EQ(s.f.windowTop, 165);
  EXPECT_FALSE(SurfaceMouseMove(s.f, MouseSurface::Imp, 120, 120).window);  // over the area
  EXPECT_EQ(s.f.windowLeft, 230);
  SurfaceMouseUp(s.f, MouseSurface::Imp, 120, 120);
  EXPECT_FALSE(s.f.dragging);
  EXPECT_FALSE(SurfaceMouseMove(s.f, MouseSurface::TelAber, 50, 50).window);
  // The opening picture drags the window too, and sets the background's cursor.
  SurfaceMouseDown(s.f, MouseSurface::TelAber, 50, 50);
  SurfaceMouseMove(s.f, MouseSurface::TelAber, 45, 50);
  EXPECT_EQ(s.f.windowLeft, 225);
  SurfaceMouseMove(s.f, MouseSurface::TelAber, 110, 110);
  EXPECT_EQ(s.f.Imp.cursor, Cursor::Link);
  EXPECT_EQ(s.f.TelAber.cursor, Cursor::MultiDrag);
  // Zoomed, the design offset is that many screen pixels: the grabbed point
  // stays under the pointer.
  SurfaceMouseUp(s.f, MouseSurface::TelAber, 110, 110);
  s.f.zoom = 3;
  SurfaceMouseDown(s.f, MouseSurface::Imp, 10, 10);
  SurfaceMouseMove(s.f, MouseSurface::Imp, 14, 8);
  EXPECT_EQ(s.f.windowLeft, 237);
  EXPECT_EQ(s.f.windowTop, 159);
}

TEST_F(MouseTest, TheWheelScrollsThePageOnlyInsideItsBox) {
  s.f.Tela3.top = 5;
  s.f.Tela3.height = 1000;
  s.f.Sbox2.height = 323;
  const QRect box(500, 300, 596, 323);
  const struct {
    QPoint at;
    int delta;
    bool used;
    int scroll;
  } cases[] = {
      {{600, 400}, -120, true, 120},  {{1096, 623}, -120, true, 240}, {{1097, 400}, -120, false, 240},
      {{600, 299}, -120, false, 240}, {{600, 400}, 360, true, 0},     {{600, 400}, -2400, true, 1005 - 323},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sbox2MouseWheel(s.f, c.at, box, c.delta), c.used) << c.at.x() << "," << c.at.y();
    EXPECT_EQ(s.f.Sbox2.scrollY, c.scroll) << c.at.x() << "," << c.at.y();
  }
}

TEST_F(MouseTest, DraggingTheMapFollowsThePointerWithinItsRange) {
  ASSERT_TRUE(testing::Save(testing::Plain(1000, 800, kUp), game.folder() + "mapa.png", "PNG"));
  s.Run({"loadmap= mapa.png,"});
  SetMapScroll(s.f, 100, 100);
  MapJogMouseDown(s.f, 300, 200);
  EXPECT_TRUE(MapJogMouseMove(s.f, 270, 200));
  EXPECT_EQ(s.f.Sbc1.scrollX, 130);
  EXPECT_EQ(s.f.Sbc1.scrollY, 100);
  EXPECT_TRUE(MapJogMouseMove(s.f, 300, 5000));
  EXPECT_EQ(s.f.Sbc1.scrollY, 0);
  MapJogMouseUp(s.f);
  EXPECT_FALSE(MapJogMouseMove(s.f, 0, 0));
}

TEST_F(MouseTest, TheMarkerGoesBackToThePositionScript) {
  game.WriteScript("sala", {"reg= 4,sala"});
  s.Run({"showmap= on"});
  s.f.Posic.clear();
  VoceClick(s.f);
  EXPECT_EQ(s.f.Abok1.ActivePage(), "1");
  EXPECT_EQ(s.Reg(4), "");
  s.Run({"showmap= on"});
  s.f.Posic = "sala";
  VoceClick(s.f);
  EXPECT_EQ(s.f.Abok1.ActivePage(), "1");
  EXPECT_EQ(s.Reg(4), "sala");
  EXPECT_EQ(s.f.Script, "sala");
}

}  // namespace
}  // namespace lumora
