// Navigation played by the mouse on the test game "nav": overlapping areas,
// the panel, the skin, a web address, the map page, the window drag, the 21st
// area and the wheel.
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

class WalkNav : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(shots.isValid());
    QString walk = GameWalkthrough("nav");
    walk.replace("shot pressed.png", "shot " + shots.filePath("pressed.png"));
    r = PlayWalk("nav", walk);
    ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
    ASSERT_EQ(r.steps.size(), 28u);
    for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << step["error"].toString().toStdString();
  }
  QJsonObject State(int n) const { return r.Step(n)["state"].toObject(); }
  QJsonArray Pair(int n, const char* key, const char* field) const {
    return State(n)[key].toObject()[field].toArray();
  }
  QTemporaryDir shots;
  WalkResult r;
};

TEST_F(WalkNav, ClicksOnTheScreenAndThePanelFollowTheirAreas) {
  // Two areas under the pointer: the later one ran ("sobre" went on to "start").
  EXPECT_EQ(State(2)["registers"].toArray()[1].toString(), "sobre");
  EXPECT_EQ(State(3)["script"].toString(), "corredor");  // the panel's "@norte"
  EXPECT_EQ(State(3)["exits"].toObject()["norte"].toString(), "corredor");
  EXPECT_EQ(State(4)["script"].toString(), "start");  // the word "Voltar"
  // Let go outside the area: nothing ran, the pressed picture stays, stretched to 40 by 30.
  EXPECT_EQ(State(5)["script"].toString(), "start");
  const QImage shot(shots.filePath("pressed.png"));
  ASSERT_FALSE(shot.isNull());
  const QPoint screen(39 + 100, 36 + 50);  // the display's place in the window, the area's on the screen
  EXPECT_EQ(shot.pixel(screen + QPoint(0, 0)) & 0xFFFFFF, 0xA04020u);
  EXPECT_EQ(shot.pixel(screen + QPoint(39, 29)) & 0xFFFFFF, 0xA04020u);
  EXPECT_NE(shot.pixel(screen + QPoint(40, 30)) & 0xFFFFFF, 0xA04020u);
  // The web address went to the browser and ran nothing.
  EXPECT_EQ(State(7)["opened"].toArray(), QJsonArray{"http://exemplo.org/jogo"});
  EXPECT_EQ(State(7)["script"].toString(), "start");
}

TEST_F(WalkNav, TheMapWindowOpensTheMapPageWhichDragsAndClosesAndTheMarkerLeadsBack) {
  EXPECT_EQ(State(8)["page"].toString(), "Mapa");
  EXPECT_FALSE(State(8)["inputVisible"].toBool());
  EXPECT_EQ(Pair(8, "map", "scroll"), (QJsonArray{200, 100}));
  EXPECT_EQ(Pair(8, "map", "marker"), (QJsonArray{100, 50}));
  // Dragged 30 left and 10 up: the map follows the pointer, the marker with it.
  EXPECT_EQ(Pair(9, "map", "scroll"), (QJsonArray{230, 110}));
  EXPECT_EQ(Pair(9, "map", "marker"), (QJsonArray{70, 40}));
  EXPECT_EQ(State(10)["page"].toString(), "1");
  EXPECT_TRUE(State(10)["inputVisible"].toBool());
  EXPECT_EQ(State(11)["page"].toString(), "Mapa");
  EXPECT_EQ(State(12)["page"].toString(), "1");
  EXPECT_EQ(State(12)["script"].toString(), "start");
}

TEST_F(WalkNav, TheBackgroundDragsTheWindowOutsideItsAreasWhichSurviveUntilLinksOffPan) {
  const QJsonObject before = State(13)["window"].toObject(), moved = State(14)["window"].toObject();
  EXPECT_EQ(moved["left"].toInt() - before["left"].toInt(), 40);
  EXPECT_EQ(moved["top"].toInt() - before["top"].toInt(), 20);
  // Within the skin's area the window stands still, and the release runs the area.
  EXPECT_EQ(State(15)["window"].toObject(), moved);
  EXPECT_EQ(State(15)["script"].toString(), "painel");
  EXPECT_EQ(State(17)["script"].toString(), "painel");  // after "start" ran
  EXPECT_EQ(State(19)["script"].toString(), "off");     // after "linksoff pan"
}

TEST_F(WalkNav, TheTwentyFirstAreaTookSlot0TheWheelScrollsOnlyOverThePageAndItsWordsLead) {
  EXPECT_EQ(State(21)["script"].toString(), "primeira");
  EXPECT_EQ(State(23)["canvasScroll"].toInt(), 240);
  EXPECT_EQ(State(24)["canvasScroll"].toInt(), 240);  // beside the box
  EXPECT_EQ(State(25)["canvasScroll"].toInt(), 120);
  EXPECT_EQ(State(26)["script"].toString(), "start");  // "Voltar" on the model-3 page
  EXPECT_EQ(State(26)["model"].toString(), "3");
}

}  // namespace
}  // namespace lumora::testing
