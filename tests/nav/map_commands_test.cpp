// The map: pieces pasted and saved, read back, the map window, the map page's
// opening, closing and centring.
#include <gtest/gtest.h>

#include <QImageReader>

#include "form/config.h"
#include "core/script_error.h"
#include "nav/map_page.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/picture_test_files.h"

namespace lumora {
namespace {

constexpr QRgb kBase = 0xFFE0E0E0, kRoom = 0xFF805020, kEdge = 0xFF00FF00, kWall = 0xFF000080;

class MapCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::Save(testing::Plain(1000, 800, kBase), game.folder() + "base.png", "PNG"));
    // A room piece of 20 by 10 whose border has the bottom-left pixel's colour,
    // which is not drawn, around a wall.
    QImage piece = testing::Plain(20, 10, kEdge);
    for (int x = 2; x < 18; ++x)
      for (int y = 2; y < 8; ++y) piece.setPixel(x, y, x == 2 ? kWall : kRoom);
    ASSERT_TRUE(testing::Save(piece, game.folder() + "sala.png", "PNG"));
  }
  QImage SavedMap(const std::string& name) {
    s.f.writer.Flush();
    return QImageReader(QString::fromStdString(game.folder() + name)).read();
  }
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(MapCommandsTest, AddMapPastesWithoutTheBottomLeftColourAndSavesABmpThatLoadMapReads) {
  s.Run({"loadmap= base.png,mapa.bmp", "addmap= 120,40,sala.png,mapa.bmp", "addmap= 120,40,sala.png,mapa.bmp"});
  EXPECT_EQ(s.f.MapJog.width, 1000);
  EXPECT_EQ(s.f.MapJog.height, 800);
  s.f.writer.Flush();
  QImageReader reader(QString::fromStdString(game.folder() + "mapa.bmp"));
  EXPECT_EQ(reader.format(), "bmp");
  const QImage saved = reader.read();
  ASSERT_EQ(saved.size(), QSize(1000, 800));
  // Pasted twice, the piece looks as pasted once; its border colour never shows.
  const struct {
    int x, y;
    QRgb want;
  } pixels[] = {{120, 40, kBase}, {139, 49, kBase}, {122, 42, kWall}, {130, 45, kRoom}, {119, 45, kBase}};
  for (const auto& p : pixels) EXPECT_EQ(saved.pixel(p.x, p.y), p.want) << p.x << "," << p.y;
  // A fresh program run: the saved map replaces the base picture.
  testing::Session again{game};
  game.WriteScript("start", {"loadmap= base.png,mapa.bmp"});
  RunScript(again.f, "start");
  EXPECT_EQ(again.f.MapJog.picture.pixel(130, 45), kRoom);
  s.Run({"reset mapa,mapa.bmp", "loadmap= base.png,mapa.bmp"});
  EXPECT_EQ(s.f.MapJog.picture.pixel(130, 45), kBase);
}

TEST_F(MapCommandsTest, AddMapRefusesMissingPiecesNamesOutsideTheGameAndNoName) {
  s.Run({"loadmap= base.png,mapa.bmp"});
  EXPECT_EQ(s.Exec({"addmap= 1,2,falta.png,mapa.bmp"}), "   0: addmap= 1,2,falta.png <--- arquivo n\xE3o encontrado");
  // A folder link the game ships, aimed at a folder of the player's.
  testing::TempGame outside;
  outside.WriteLines("fora.bmp", {"do jogador"});
  game.Link("sub", outside.folder());
  for (const char* name : {"../fora.bmp", "/tmp/fora.bmp", "sub\\..\\..\\fora.bmp", "sub/fora.bmp", "sub/novo/fora.bmp",
                           "SUB\\fora.bmp"}) {
    const std::string trace = s.Exec({std::string("addmap= 1,2,sala.png,") + name});
    EXPECT_TRUE(trace.ends_with(" <--- fora da pasta do jogo")) << trace;
  }
  EXPECT_FALSE(game.Exists("mapa.bmp"));
  EXPECT_EQ(outside.Read("fora.bmp"), "do jogador\r\n");
  EXPECT_FALSE(outside.Exists("novo"));
  try {
    s.Exec({"addmap= 1,2,sala.png,"});
    ADD_FAILURE() << "an empty name must end the run";
  } catch (const ScriptError& e) {
    EXPECT_STREQ(e.what(), "addmap=: no file name for the map piece");
  }
}

// A map name the game ships as a link to a file of the player's: the map
// takes the link's place, the file aimed at stays as it was.
TEST_F(MapCommandsTest, AddMapReplacesALinkedMapInsteadOfWritingThroughIt) {
  testing::TempGame outside;
  outside.WriteLines("alvo.txt", {"do jogador"});
  for (const char* link : {"mapa.bmp", "mapa.bmp.tmp~"}) {
    game.Remove("mapa.bmp");
    game.Link(link, outside.folder() + "alvo.txt");
    s.Run({"loadmap= base.png,", "addmap= 120,40,sala.png,mapa.bmp"});
    EXPECT_EQ(outside.Read("alvo.txt"), "do jogador\r\n") << link;
    EXPECT_FALSE(game.IsLink("mapa.bmp")) << link;
    EXPECT_EQ(SavedMap("mapa.bmp").pixel(130, 45), kRoom) << link;
  }
}

TEST_F(MapCommandsTest, PicMapDrawsAFramedWindowAndMakesItClickable) {
  s.Run({"loadmap= base.png,", "addmap= 200,100,sala.png,mapa.bmp"});
  EXPECT_EQ(s.Exec({"defpicmap= lado,1,2,3,4"}), "   0: defpicmap= lado <--- local inexistente");
  s.Run({"defpicmap= fnc,10,10,80,60", "picmap= 195,95"});
  const QImage& panel = s.f.TelCmd.picture;
  EXPECT_EQ(panel.pixel(9, 9) & 0xFFFFFF, 0u);     // the frame
  EXPECT_EQ(panel.pixel(90, 70) & 0xFFFFFF, 0u);
  EXPECT_EQ(panel.pixel(10, 10), kBase);           // map point (195, 95)
  EXPECT_EQ(panel.pixel(20, 20), kRoom);           // map point (205, 105)
  const LinkRecord& r = s.f.links.records[20];
  EXPECT_TRUE(r.active);
  EXPECT_EQ(r.script, "picFmap");
  EXPECT_EQ(r.cursor, 1);
  EXPECT_EQ(QRect(r.left, r.top, r.width, r.height), QRect(10, 10, 80, 60));
  // No arguments: the last origin again.
  EXPECT_EQ(s.Exec({"picmap="}), "   0: picmap= 195,95");
}

TEST_F(MapCommandsTest, PicMapOnTheSkinWrapsInTheBackgroundSlots) {
  StringList lines = {"loadmap= base.png,", "defpicmap= pan,0,0,10,10"};
  for (int i = 0; i < 21; ++i) lines.push_back("picmap= 0,0");
  s.Run(lines);
  EXPECT_EQ(s.f.links.nextBackground, 41);
  EXPECT_EQ(s.f.links.nextPanel, 20);
  EXPECT_EQ(s.f.links.records[40].script, "picFmap");
}

TEST_F(MapCommandsTest, ShowMapOffLaysTheModelOutFromTheConfiguration) {
  game.SetConfig(kMsgVisible, "-");  // the message area hidden, the input line shown
  testing::Session fresh{game};
  game.WriteScript("start", {"showmap= on"});
  RunScript(fresh.f, "start");
  EXPECT_EQ(fresh.f.Abok1.ActivePage(), "Mapa");
  EXPECT_FALSE(fresh.f.Input.visible);
  fresh.f.Msg.visible = true;
  game.WriteScript("start", {"showmap= off"});
  RunScript(fresh.f, "start");
  EXPECT_EQ(fresh.f.Abok1.ActivePage(), "1");
  EXPECT_FALSE(fresh.f.Msg.visible);
  EXPECT_TRUE(fresh.f.Input.visible);
  EXPECT_EQ(fresh.f.Abok1.height, 323);
}

TEST_F(MapCommandsTest, ShowMapOnCentresOnTheMarkerPosMapSetAndDoesNotDrift) {
  s.Run({"loadmap= base.png,", "posmap= 100,80,300,200"});
  // The marker's middle on the map: (100 + 300 + 14, 80 + 200 + 23).
  EXPECT_EQ(s.f.map.pointX, 414);
  EXPECT_EQ(s.f.map.pointY, 303);
  for (int i = 0; i < 2; ++i) {
    ShowMapOn(s.f);
    EXPECT_EQ(s.f.Sbc1.scrollX + s.f.Voce.left, 400) << "time " << i;  // the marker stands on its map point
    EXPECT_EQ(s.f.Sbc1.scrollY + s.f.Voce.top, 280) << "time " << i;
    EXPECT_EQ(s.f.Voce.left, (596 - 29) / 2) << "time " << i;  // in the middle of the view
    EXPECT_EQ(s.f.Voce.top, (323 - 46) / 2) << "time " << i;
  }
  // A run ending on the map page refreshes it to the "posmap=" positions: the
  // marker stays on the same map point.
  s.Run({"showmap= on"});
  EXPECT_EQ(s.f.Sbc1.scrollX + s.f.Voce.left, 400);
  EXPECT_EQ(s.f.Sbc1.scrollY + s.f.Voce.top, 280);
  // Near the map's top-left corner the view cannot scroll: the marker moves instead.
  s.Run({"posmap= 5,5,0,0"});
  ShowMapOn(s.f);
  EXPECT_EQ(s.f.Sbc1.scrollX, 0);
  EXPECT_EQ(s.f.Voce.left, 5);
}

TEST_F(MapCommandsTest, ASmallMapCentresTheMarkerOnItsPointAllTheSame) {
  ASSERT_TRUE(testing::Save(testing::Plain(300, 200, kBase), game.folder() + "pequeno.png", "PNG"));
  s.Run({"loadmap= pequeno.png,", "posmap= 150,100,0,0"});
  ShowMapOn(s.f);
  EXPECT_EQ(s.f.Sbc1.scrollX, 0);
  EXPECT_EQ(s.f.Voce.left, 150);
  EXPECT_EQ(s.f.Voce.top, 100);
}

TEST_F(MapCommandsTest, TheToggleSavesTheLayoutAndTheRefreshAppliesPosMap) {
  s.Run({"loadmap= base.png,", "posmap= 50,60,70,80"});
  s.f.Input.visible = true;
  s.f.Abok1.height = 250;
  MapPageToggle(s.f);
  EXPECT_EQ(s.f.Abok1.ActivePage(), "Mapa");
  EXPECT_EQ(s.f.Abok1.height, 323);
  EXPECT_FALSE(s.f.Input.visible);
  EXPECT_EQ(s.f.Sbc1.scrollX, 70);
  EXPECT_EQ(s.f.Sbc1.scrollY, 80);
  EXPECT_EQ(s.f.Voce.left, 50);
  // A run ending on the map page refreshes it: scrolled away, it comes back.
  SetMapScroll(s.f, 0, 0);
  s.Run({"msg= x"});
  EXPECT_EQ(s.f.Sbc1.scrollX, 70);
  MapPageToggle(s.f);
  EXPECT_EQ(s.f.Abok1.ActivePage(), "1");
  EXPECT_EQ(s.f.Abok1.height, 250);
  EXPECT_TRUE(s.f.Input.visible);
}

TEST_F(MapCommandsTest, ScrollingStaysInRangeAndTheMarkerMovesWithTheMap) {
  s.Run({"loadmap= base.png,"});
  // 1000 by 800 in a 596 by 323 box with 8-pixel bars on both sides.
  EXPECT_EQ(MapScrollMaxH(s.f), 1000 - 588);
  EXPECT_EQ(MapScrollMaxV(s.f), 800 - 315);
  s.f.Voce.left = 100;
  SetMapScroll(s.f, 5000, -3);
  EXPECT_EQ(s.f.Sbc1.scrollX, 412);
  EXPECT_EQ(s.f.Sbc1.scrollY, 0);
  EXPECT_EQ(s.f.Voce.left, 100 - 412);
}

}  // namespace
}  // namespace lumora
