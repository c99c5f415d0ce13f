// The demo game's first part: typed commands and clicks, the key and the door,
// three display models, page links, objects, registers and the growing map.
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

TEST(WalkDemo, TheKeyFromTheGardenOpensTheDoorToTheHouse) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                "start\ntype jardim\ntype pegar chave\ntype entrada\ntype abrir porta\ntype sala\n"
                                "type biblioteca\nlink pegar&Prm=lanterna\nlink entrada\ntype inventario\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  ASSERT_EQ(r.steps.size(), 12u);
  for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << step["error"].toString().toStdString();
  auto state = [&](int n) { return r.Step(n)["state"].toObject(); };
  EXPECT_TRUE(state(1)["msg"].toString().startsWith(QString::fromUtf8("Você está na entrada")));
  EXPECT_EQ(state(1)["exits"].toObject()["norte"].toString(), "");  // the door is locked
  EXPECT_EQ(state(3)["msg"].toString(), QString::fromUtf8("Agora você tem:\r\numa chave de ferro"));
  EXPECT_EQ(state(5)["msg"].toString(),
            QString::fromUtf8("A chave de ferro gira com esforço e a porta se abre com um rangido. Ao norte, a sala escura espera."));
  EXPECT_EQ(state(5)["exits"].toObject()["norte"].toString(), "sala");
  EXPECT_EQ(state(6)["model"].toString(), "0");
  EXPECT_TRUE(state(6)["memo0"].toString().endsWith("uma chave de ferro."));
  EXPECT_EQ(state(7)["page"].toString(), "2");
  EXPECT_TRUE(state(7)["html"].toString().contains("<a href=Scp=pegar&Prm=lanterna>"));
  EXPECT_EQ(state(9)["script"].toString(), "entrada");
  EXPECT_EQ(state(10)["msg"].toString(), QString::fromUtf8("Você carrega:\r\numa lanterna velha e uma chave de ferro."));
  // The entrance is counted each time it is shown (the door opening shows it
  // again) in register 1, and saved.
  EXPECT_EQ(state(10)["registers"].toArray()[1].toString(), "4");
  EXPECT_TRUE(r.File("demo.rgs").startsWith("\r\n4\r\naberta\r\n"));
}

// The same game by the mouse alone: the panel's arrows follow the exits, the
// key is picked up from the screen and opens the door, the map grows room by
// room, the web button hands its address to the browser, the marker leads back.
TEST(WalkDemo, PlaysByClicksAndTheMapGrowsAsThePlayerExplores) {
  const char* walk =
      "start\n"
      "click fnc 150 60\n"     // 2: east, the garden
      "click tel 310 205\n"    // 3: the key on the ground
      "click fnc 105 20\n"     // 4: north, the gate
      "click fnc 105 90\n"     // 5: south, the garden
      "click fnc 60 60\n"      // 6: west, the entrance
      "click tel 290 170\n"    // 7: the door, opened with the key
      "click fnc 105 20\n"     // 8: north, the living room (model 0)
      "click fnc 60 60\n"      // 9: west, the library (model 2)
      "click fnc 100 240\n"    // 10: the web button
      "click fnc 100 170\n"    // 11: the map window
      "drag map 300 200 250 180\n"
      "click marker 10 10\n"   // 13: back to the library
      "click fnc 150 60\n"     // 14: east, the living room
      "click fnc 105 90\n"     // 15: south, the entrance
      "click tel 290 170\n"    // 16: through the open door
      "quit\n";
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), walk);
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  ASSERT_EQ(r.steps.size(), 18u);
  for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << step["error"].toString().toStdString();
  auto state = [&](int n) { return r.Step(n)["state"].toObject(); };
  const char* places[] = {nullptr, "entrada", "jardim", "pegar", "portao", "jardim", "entrada", "entrada", "sala", "biblioteca"};
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(state(n)["script"].toString(), places[n]) << "step " << n;
  EXPECT_EQ(state(3)["msg"].toString(), QString::fromUtf8("Agora você tem:\r\numa chave de ferro"));
  EXPECT_EQ(state(4)["exits"].toObject()["sul"].toString(), "jardim");
  EXPECT_TRUE(state(7)["msg"].toString().contains(QString::fromUtf8("a porta se abre")));
  EXPECT_EQ(state(10)["opened"].toArray(), QJsonArray{"http://www.example.org/lumora"});
  EXPECT_EQ(state(11)["page"].toString(), "Mapa");
  EXPECT_EQ(state(11)["map"].toObject()["scroll"].toArray(), (QJsonArray{6, 73}));
  EXPECT_EQ(state(12)["map"].toObject()["scroll"].toArray(), (QJsonArray{56, 93}));
  EXPECT_EQ(state(13)["page"].toString(), "2");
  EXPECT_EQ(state(15)["script"].toString(), "entrada");
  EXPECT_EQ(state(16)["script"].toString(), "sala");
  // Every room visited is on the saved map, each in its own colour; the rest is parchment.
  const QImage map = QImage::fromData(r.File("mapa.bmp"), "BMP");
  ASSERT_EQ(map.size(), QSize(800, 500));
  const struct {
    int x, y;
    QRgb colour;
  } rooms[] = {{400, 330, 0xAA785A}, {500, 330, 0x50963C}, {500, 230, 0x5A5A6E},
               {400, 230, 0x96648C}, {300, 230, 0x6E5032}, {100, 110, 0xE1CDA0}};
  for (const auto& room : rooms) EXPECT_EQ(map.pixel(room.x, room.y) & 0xFFFFFF, room.colour) << room.x << "," << room.y;
}

TEST(WalkDemo, TheMapHoldsOnlyTheRoomsSeenSoFar) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), "start\nclick fnc 150 60\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const QImage map = QImage::fromData(r.File("mapa.bmp"), "BMP");
  ASSERT_FALSE(map.isNull());
  EXPECT_EQ(map.pixel(400, 330) & 0xFFFFFF, 0xAA785Au);  // the entrance
  EXPECT_EQ(map.pixel(500, 330) & 0xFFFFFF, 0x50963Cu);  // the garden
  EXPECT_NE(map.pixel(500, 230) & 0xFFFFFF, 0x5A5A6Eu);  // the gate, not seen yet
}

// In the real web view the demo's page shows its picture, which the page may
// read as a file of the game: the room's picture, found by its commonest
// colour, fills its place in the page's column, left of the panel.
TEST(WalkDemo, APageShowsItsPictureInTheRealWebView) {
  QTemporaryDir dir;
  const QString shot = dir.filePath("quarto.png");
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                "start\ntype jardim\ntype pegar chave\ntype entrada\ntype abrir porta\ntype sala\n"
                                "type subir\nwait 1500\nshot " + shot + "\nquit\n", {"--web"});
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  ASSERT_EQ(r.Step(7)["state"].toObject()["script"].toString(), "quarto");
  const QImage picture(QStringLiteral(LUMORA_DEMO) + "/quarto.png"), shown(shot);
  ASSERT_FALSE(shown.isNull());
  QHash<QRgb, int> counts;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) ++counts[picture.pixel(x, y) & 0xFFFFFF];
  QRgb commonest = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > counts.value(commonest)) commonest = it.key();
  auto near = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 8 && std::abs(qGreen(a) - qGreen(b)) < 8 && std::abs(qBlue(a) - qBlue(b)) < 8;
  };
  int found = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < 640; ++x) found += near(shown.pixel(x, y), commonest);
  // The page draws the picture at 420 by 150.
  const int expected = counts.value(commonest) * (420 * 150) / (picture.width() * picture.height());
  EXPECT_GT(found, expected / 2) << "of " << expected;
}

}  // namespace
}  // namespace lumora::testing
