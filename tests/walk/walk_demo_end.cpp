// The demo played from the arrival to its ending, by typed commands and clicks
// through the four display models: the key opens the door, the lantern lights
// the cellar's small key, that key opens the tower's chest, the music box with
// its crank gives the gate's key, and the gate opens on the road.
#include <QImage>
#include <QJsonArray>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

QJsonArray Audio(const WalkResult& r, int step) { return r.Step(step)["state"].toObject()["audio"].toArray(); }

bool HasModel3Link(const QJsonObject& state, const QString& script) {
  for (const auto& v : state["links"].toArray())
    if (v.toObject()["slot"].toInt() >= 60 && v.toObject()["script"].toString() == script) return true;
  return false;
}

TEST(WalkDemoEnd, PlaysFromTheArrivalToTheEnding) {
  const char* walk =
      "resume\n"
      "type leste\n"               // 2: the garden
      "click tel 310 205\n"        // 3: the iron key
      "type oeste\n"               // 4: the entrance
      "type norte\n"               // 5: the door is still locked
      "click tel 290 170\n"        // 6: the key opens it
      "type norte\n"               // 7: the living room (model 0)
      "type oeste\n"               // 8: the library (model 2)
      "link pegar&Prm=lanterna\n"  // 9: the lantern
      "click fnc 105 90\n"         // 10: south, the kitchen (model 0)
      "click fnc 180 95\n"         // 11: down, the cellar (model 3), lit by the lantern
      "link pegar&Prm=chavinha\n"  // 12: the small brass key
      "click fnc 180 25\n"         // 13: up, the kitchen
      "type norte\n"               // 14: the library
      "click fnc 150 60\n"         // 15: east, the living room
      "type subir\n"               // 16: the bedroom (model 2)
      "link sotao\n"               // 17: the attic (model 1)
      "type pegar manivela\n"      // 18: the crank
      "click fnc 180 95\n"         // 19: down, the bedroom
      "click fnc 180 95\n"         // 20: down, the living room
      "type sul\n"                 // 21: the entrance
      "type leste\n"               // 22: the garden
      "type torre\n"               // 23: the tower, by its name
      "click tel 500 185\n"        // 24: the chest opens: the music box
      "click fnc 38 38\n"          // 25: the music box in the grid plays: the gate's key
      "type oeste\n"               // 26: the garden
      "type norte\n"               // 27: the gate
      "click tel 298 135\n"        // 28: the padlock opens
      "click tel 300 200\n"        // 29: through the gate, the road
      "quit\n";
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), walk);
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  ASSERT_EQ(r.steps.size(), 31u);
  for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << step["error"].toString().toStdString();
  auto state = [&](int n) { return r.Step(n)["state"].toObject(); };
  const struct {
    int step;
    const char* place;
    const char* model;
  } path[] = {{2, "jardim", "1"},  {4, "entrada", "1"}, {7, "sala", "0"},    {8, "biblioteca", "2"},
              {10, "cozinha", "0"}, {11, "porao", "3"},  {13, "cozinha", "0"}, {14, "biblioteca", "2"},
              {15, "sala", "0"},   {16, "quarto", "2"}, {17, "sotao", "1"},   {19, "quarto", "2"},
              {20, "sala", "0"},   {21, "entrada", "1"}, {23, "torre", "1"},  {27, "portao", "1"},
              {29, "estrada", "1"}};
  for (const auto& p : path) {
    EXPECT_EQ(state(p.step)["posic"].toString(), p.place) << "step " << p.step;
    EXPECT_EQ(state(p.step)["model"].toString(), p.model) << "step " << p.step;
  }
  // Typed north before the door is open leads nowhere; after, it is the way in.
  EXPECT_EQ(state(5)["msg"].toString(), QString::fromUtf8("Daqui não dá para ir por aí."));
  EXPECT_EQ(state(6)["exits"].toObject()["norte"].toString(), "sala");
  // The lit cellar shows the small key as a word to click; once taken it is gone.
  EXPECT_TRUE(HasModel3Link(state(11), "pegar&Prm=chavinha"));
  EXPECT_FALSE(HasModel3Link(state(12), "pegar&Prm=chavinha"));
  EXPECT_EQ(state(23)["rain"].toBool(), true);
  EXPECT_TRUE(state(25)["msg"].toString().contains(QString::fromUtf8("uma chave comprida de bronze")));
  EXPECT_EQ(state(27)["exits"].toObject()["norte"].toString(), "");  // the gate is shut
  EXPECT_EQ(state(28)["exits"].toObject()["norte"].toString(), "estrada");

  // Sounds and music where the story asks for them.
  auto last = [&](int step) { const QJsonArray a = Audio(r, step); return a.isEmpty() ? QJsonObject{} : a.last().toObject(); };
  EXPECT_EQ(last(6), (QJsonObject{{"music", "tema.mid"}}));
  EXPECT_EQ(last(24), (QJsonObject{{"sound", "bau.wav"}, {"mode", "async"}}));
  EXPECT_EQ(last(25), (QJsonObject{{"music", "caixinha.mid"}}));
  EXPECT_EQ(last(28), (QJsonObject{{"sound", "portao.wav"}, {"mode", "async"}}));
  EXPECT_EQ(last(29), (QJsonObject{{"music", "tema.mid"}}));

  // The end: on the road, the ending's words, every puzzle's register set and
  // every object carried, in the state and in the saved game.
  const QJsonObject end = state(29);
  EXPECT_EQ(end["script"].toString(), "estrada");
  EXPECT_TRUE(end["msg"].toString().endsWith("FIM. Obrigado por jogar!")) << end["msg"].toString().toStdString();
  const QJsonArray regs = end["registers"].toArray();
  EXPECT_EQ(regs[2].toString(), "aberta");   // the door
  EXPECT_EQ(regs[10].toString(), "aberto");  // the chest
  EXPECT_EQ(regs[11].toString(), "sim");     // the music box has played
  EXPECT_EQ(regs[12].toString(), "aberto");  // the gate
  EXPECT_EQ(regs[13].toString(), "fim");
  const QJsonArray objects = end["objects"].toArray();
  ASSERT_EQ(objects.size(), 6 * 8);
  QStringList carried;
  for (int k = 0; k < 6; ++k)
    if (objects[8 * k + 3].toString() == "jog") carried << objects[8 * k].toString();
  EXPECT_EQ(carried, (QStringList{"caixinha", "chave", "chaveportao", "chavinha", "lanterna", "manivela"}));
  const QList<QByteArray> saved = r.File("demo.obx").split('\n');
  ASSERT_GE(saved.size(), 6 * 8);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(saved[8 * k + 3], "jog\r") << saved[8 * k].toStdString();
  const QList<QByteArray> rgs = r.File("demo.rgs").split('\n');
  ASSERT_GT(rgs.size(), 13);
  EXPECT_EQ(rgs[13], "fim\r");

  // Every room of the house, the grounds and the road is on the saved map.
  const QImage map = QImage::fromData(r.File("mapa.bmp"), "BMP");
  ASSERT_EQ(map.size(), QSize(800, 500));
  const struct {
    int x, y;
    QRgb colour;
  } rooms[] = {{400, 330, 0xAA785A}, {500, 330, 0x50963C}, {500, 230, 0x5A5A6E}, {400, 230, 0x96648C},
               {300, 230, 0x6E5032}, {600, 330, 0x8C8C96}, {300, 330, 0xC8A050}, {300, 430, 0x3C3C3C},
               {400, 130, 0x8C6E8C}, {300, 130, 0x7A5A3A}, {500, 130, 0xC8AA78}};
  for (const auto& room : rooms) EXPECT_EQ(map.pixel(room.x, room.y) & 0xFFFFFF, room.colour) << room.x << "," << room.y;
}

// Without the lantern the cellar is dark: no small key to see or take.
TEST(WalkDemoEnd, TheCellarIsDarkWithoutTheLantern) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                "resume\ntype leste\ntype pegar chave\ntype oeste\ntype abrir porta\ntype norte\n"
                                "type oeste\nlink cozinha\ntype descer\nlink pegar&Prm=chavinha\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const QJsonObject cellar = r.Step(9)["state"].toObject();
  EXPECT_EQ(cellar["posic"].toString(), "porao");
  EXPECT_FALSE(HasModel3Link(cellar, "pegar&Prm=chavinha"));
  EXPECT_TRUE(HasModel3Link(cellar, "cozinha"));
  // Following the key's link anyway finds nothing there to take.
  const QJsonArray objects = r.Step(10)["state"].toObject()["objects"].toArray();
  ASSERT_EQ(objects.size(), 6 * 8);
  EXPECT_EQ(objects[8 * 3].toString(), "chavinha");
  EXPECT_EQ(objects[8 * 3 + 3].toString(), "porao");
}

}  // namespace
}  // namespace lumora::testing
