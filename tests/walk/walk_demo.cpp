// The demo game's first part: typed commands and clicks, the key and the door,
// three display models, page links, objects, registers and the growing map;
// the title, a new game and a saved game continued. A fresh copy of the demo
// holds a new game's saved state: "resume" (the opening's double click) goes
// to its first place.
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

TEST(WalkDemo, TheKeyFromTheGardenOpensTheDoorToTheHouse) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                "resume\ntype jardim\ntype pegar chave\ntype entrada\ntype abrir porta\ntype sala\n"
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

// Where the saved game keeps the key: "jog" when the player carries it.
QString KeyPlace(const WalkResult& r, int step) {
  const QJsonArray objects = r.Step(step)["state"].toObject()["objects"].toArray();
  for (qsizetype i = 0; i + 3 < objects.size(); i += 8)
    if (objects[i].toString() == "chave") return objects[i + 3].toString();
  return {};
}

QStringList Links(const WalkResult& r, int step) {
  QStringList links;
  for (const auto& v : r.Step(step)["state"].toObject()["links"].toArray())
    links << QString("%1:%2").arg(v.toObject()["slot"].toInt()).arg(v.toObject()["script"].toString());
  return links;
}

// The opening's first click runs the start script, also in the double click
// that continues a saved game: it only draws the title, so the game carried
// on is the one saved, the key still in the tower's panel. A new game, from
// the title's area or typed, puts the key back in the garden.
TEST(WalkDemo, TheTitleKeepsTheSavedGameAndANewGameStartsAfresh) {
  const struct {
    const char* how;
    const char* walk;     // played on the saved game with the key in the tower
    const char* shown;    // the script of its first step
    const char* keyPlace;
  } cases[] = {{"continued", "resume\nquit\n", "torre", "jog"},
               {"a new game from the title's area", "start\nclick tel 50 45\nquit\n", "start", "jardim"},
               {"a new game typed", "resume\ntype recomeçar\nquit\n", "torre", "jardim"}};
  for (const auto& c : cases) {
    const WalkResult first =
        PlayWalk(QStringLiteral(LUMORA_DEMO), "resume\ntype jardim\ntype pegar chave\nlink torre\nquit\n");
    ASSERT_EQ(KeyPlace(first, 4), "jog");
    const WalkResult r = PlayAgain(first.folder, QString::fromUtf8(c.walk));
    ASSERT_EQ(r.exitCode, 0) << c.how << r.stderrText.toStdString();
    EXPECT_EQ(r.Step(1)["state"].toObject()["script"].toString(), c.shown) << c.how;
    const int last = static_cast<int>(r.steps.size()) - 2;  // before the quit
    EXPECT_EQ(KeyPlace(r, last), c.keyPlace) << c.how;
    if (QString(c.keyPlace) == "jog") {
      EXPECT_TRUE(Links(r, last).contains("20:chave")) << Links(r, last).join(" ").toStdString();
    } else {
      EXPECT_EQ(r.Step(last)["state"].toObject()["script"].toString(), "entrada") << c.how;
      EXPECT_EQ(r.Step(last)["state"].toObject()["registers"].toArray()[1].toString(), "1") << c.how;
    }
  }
}

// The short and accented forms players type are phrases of their own, and the
// help shows the panel as every place does, for the player of the mouse.
TEST(WalkDemo, TheAccentedAndShortFormsAreTypedAsTheyAreAndTheHelpKeepsThePanel) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                QString::fromUtf8("resume\ntype l\ntype portão\ntype ajuda\ntype i\ntype inventário\n"
                                                  "type diário\nquit\n"));
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const char* scripts[] = {nullptr, "entrada", "jardim", "portao", "ajuda", "inventario", "inventario", "diario"};
  for (int n = 2; n <= 7; ++n)
    EXPECT_EQ(r.Step(n)["state"].toObject()["script"].toString(), scripts[n]) << "step " << n;
  EXPECT_TRUE(Links(r, 4).contains("20:jardim")) << Links(r, 4).join(" ").toStdString();
}

// The same game by the mouse alone: the panel's arrows follow the exits, the
// key is picked up from the screen and opens the door, the map grows room by
// room, the web button hands its address to the browser, the marker leads back.
TEST(WalkDemo, PlaysByClicksAndTheMapGrowsAsThePlayerExplores) {
  const char* walk =
      "resume\n"
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
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), "resume\nclick fnc 150 60\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const QImage map = QImage::fromData(r.File("mapa.bmp"), "BMP");
  ASSERT_FALSE(map.isNull());
  EXPECT_EQ(map.pixel(400, 330) & 0xFFFFFF, 0xAA785Au);  // the entrance
  EXPECT_EQ(map.pixel(500, 330) & 0xFFFFFF, 0x50963Cu);  // the garden
  EXPECT_NE(map.pixel(500, 230) & 0xFFFFFF, 0x5A5A6Eu);  // the gate, not seen yet
}

// The window in the real web view at a page place one step beyond the living
// room, TYPED there; a null picture (and a failure) when SCRIPT is not shown.
QImage ShotInTheRealWebView(const char* typed, const char* script) {
  QTemporaryDir dir;
  const QString shot = dir.filePath("shot.png");
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                QString("resume\ntype jardim\ntype pegar chave\ntype entrada\ntype abrir porta\n"
                                        "type sala\ntype %1\nwait 1500\nshot %2\nquit\n").arg(typed, shot),
                                {"--web"});
  EXPECT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_EQ(r.Step(7)["state"].toObject()["script"].toString(), script);
  if (r.Step(7)["state"].toObject()["script"].toString() != script) return {};
  return QImage(shot);
}

// In the real web view the demo's page shows its picture, which the page may
// read as a file of the game: the room's picture, found by its commonest
// colour, fills its place in the page's column, left of the panel.
TEST(WalkDemo, APageShowsItsPictureInTheRealWebView) {
  const QImage shown = ShotInTheRealWebView("subir", "quarto");
  ASSERT_FALSE(shown.isNull());
  const QImage picture(QStringLiteral(LUMORA_DEMO) + "/quarto.png");
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
