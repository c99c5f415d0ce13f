// Play for everyone on the test game "access": its three doors clicked from
// the keyboard, the messages read aloud, and the window zoomed.
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <vector>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

QJsonObject State(const WalkResult& r, int n) { return r.Step(n)["state"].toObject(); }

// A click from the keyboard on an area stops the reading still going on ("")
// before the door's text is read; so does F6, turning reading off.
TEST(WalkAccess, EnterStartsTabAndEnterClickTheSecondDoorEveryMessageIsReadUntilF6) {
  const WalkResult r = PlayWalk("access", GameWalkthrough("access"), {"--speak"});
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  ASSERT_EQ(r.steps.size(), 11u);
  for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << step["error"].toString().toStdString();
  const struct {
    int step, keyFocus;
    const char* script;
    QJsonArray spoken;
  } cases[] = {
      {1, -1, "start", {"Uma sala com tres portas."}},
      {2, 0, "start", {}},
      {3, 1, "start", {}},
      {4, -1, "dois", {"", "A porta dois se abre."}},  // the new page's one area is not in the ring yet
      {5, 0, "dois", {}},                              // Shift+Tab from the input line: the last area
      {6, 0, "start", {"", "Uma sala com tres portas."}},
      {7, -1, "start", {}},   // Shift+Tab before the first area: back to the input line
      {8, -1, "start", {""}},  // F6 in the input line: reading off
      {9, 0, "start", {}},
      {10, 0, "um", {}},  // the door opened (its page has an area in slot 0 again), nothing read
  };
  for (const auto& c : cases) {
    const QJsonObject s = State(r, c.step);
    EXPECT_EQ(s["keyFocus"].toInt(), c.keyFocus) << c.step;
    EXPECT_EQ(s["script"].toString(), c.script) << c.step;
    EXPECT_EQ(s["spoken"].toArray(), c.spoken) << c.step;
  }
  EXPECT_EQ(State(r, 4)["registers"].toArray()[1].toString(), "dois");
}

// The third door's two messages, a pause apart, are both read in turn: the
// second does not cut the first off. The click first stops the reading.
TEST(WalkAccess, TheMessagesOfOneRunAreReadOneAfterTheOther) {
  const WalkResult r = PlayWalk("access", "start\nclick tel 240 35\n", {"--speak"});
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_EQ(State(r, 2)["spoken"].toArray(),
            (QJsonArray{"", "A porta tres se abre.", QString::fromUtf8("Atrás dela, um corredor.")}));
}

// The same walk at zoom 1 and 2: the picture screen's pixels doubled, nearest
// neighbour; the message drawn anew at twice the size, not stretched; a click
// at the same design point hitting the same door.
TEST(WalkAccess, AtZoomTwoPicturesArePixelDoubledTextIsRedrawnAndClicksStayInDesignPixels) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage shots[2];
  for (int zoom : {1, 2}) {
    const QString file = dir.filePath(QString("zoom%1.png").arg(zoom));
    const WalkResult r = PlayWalk("access", "start\nshot " + file + "\nclick tel 140 35\n", {"--zoom", QString::number(zoom)});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
    EXPECT_EQ(State(r, 3)["registers"].toArray()[1].toString(), "dois") << zoom;
    shots[zoom - 1] = QImage(file);
    ASSERT_EQ(shots[zoom - 1].size(), QSize(900 * zoom, 420 * zoom));
  }
  // The screen's doors and the white around them (the screen lies at 39, 36).
  int differ = 0;
  for (int y = 40; y < 120; ++y)
    for (int x = 45; x < 340; ++x)
      for (const QPoint sub : {QPoint(0, 0), QPoint(1, 1), QPoint(1, 0)})
        differ += shots[1].pixel(2 * x + sub.x(), 2 * y + sub.y()) != shots[0].pixel(x, y);
  EXPECT_EQ(differ, 0);
  // The message line: the zoomed text is not the small one stretched.
  int redrawn = 0;
  for (int y = 312; y < 332; ++y)
    for (int x = 45; x < 235; ++x) redrawn += shots[1].pixel(2 * x + 1, 2 * y + 1) != shots[0].pixel(x, y);
  EXPECT_GT(redrawn, 50);
}

// Ctrl+plus while playing zooms as --zoom does, to the same pixels; Ctrl+minus
// and Ctrl+0 go back; the zoom stays within 1 to 3. The input line has the
// keyboard's focus throughout: the keys are the window's wherever they land.
TEST(WalkAccess, TheZoomKeysZoomWhilePlayingToTheSamePixelsAsTheCommandLine) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString keyed = dir.filePath("keyed.png"), asked = dir.filePath("asked.png");
  const WalkResult r = PlayWalk("access",
                                "start\nkey Ctrl+plus\nshot " + keyed +
                                    "\nclick tel 140 35\nkey Ctrl+plus\nkey Ctrl+plus\nkey Ctrl+minus\nkey Ctrl+0\n"
                                    "key Ctrl+minus\n",
                                {"--zoom", "1"});
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const int zooms[] = {1, 1, 2, 2, 2, 3, 3, 2, 1, 1};
  ASSERT_EQ(r.steps.size(), std::size(zooms));
  for (size_t i = 0; i < std::size(zooms); ++i) EXPECT_EQ(State(r, static_cast<int>(i))["zoom"].toInt(), zooms[i]) << i;
  EXPECT_EQ(State(r, 4)["registers"].toArray()[1].toString(), "dois");
  const WalkResult byLine = PlayWalk("access", "start\nshot " + asked + "\n", {"--zoom", "2"});
  ASSERT_EQ(byLine.exitCode, 0) << byLine.stderrText.toStdString();
  const QImage a(keyed), b(asked);
  ASSERT_EQ(a.size(), QSize(1800, 840));
  EXPECT_TRUE(a == b);
}

// On a screen of 2000 by 1000 the window goes no larger than zoom 2 (1800 by
// 840), by the keys or by --zoom, and each zoom moves it back onto the screen.
TEST(WalkAccess, TheZoomStopsWhereTheWindowWouldNotFitItsScreenAndKeepsTheWindowOnIt) {
  const HeadlessScreen screen(2000, 1000);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString shot = dir.filePath("zoomed.png");
  const struct {
    const char* walk;
    const char* zoomOption;
    std::vector<std::array<int, 3>> steps;  // zoom, left, top after each step
  } cases[] = {
      {"start\nkey Ctrl+plus\nkey Ctrl+plus\nkey Ctrl+minus\nkey Ctrl+0\n", "1",
       {{1, 549, 289}, {1, 549, 289}, {2, 200, 160}, {2, 200, 160}, {1, 200, 160}, {1, 200, 160}}},
      {"start\nkey Ctrl+plus\nkey Ctrl+minus\nkey Ctrl+0\n", "3",
       {{2, 99, 79}, {2, 99, 79}, {2, 99, 79}, {1, 99, 79}, {2, 99, 79}}},
  };
  for (const auto& c : cases) {
    const WalkResult r = PlayWalk("access", QString(c.walk) + "shot " + shot + "\n", {"--zoom", c.zoomOption});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
    for (size_t i = 0; i < c.steps.size(); ++i) {
      const QJsonObject s = State(r, static_cast<int>(i)), window = s["window"].toObject();
      EXPECT_EQ((std::array<int, 3>{s["zoom"].toInt(), window["left"].toInt(), window["top"].toInt()}), c.steps[i])
          << c.zoomOption << " step " << i;
    }
    EXPECT_EQ(QImage(shot).size(), QSize(900, 420) * c.steps.back()[0]) << c.zoomOption;
  }
}

}  // namespace
}  // namespace lumora::testing
