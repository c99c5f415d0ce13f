// The picture screen as a player sees it: a tinted rectangle, the object grid's
// areas, and rain behind a mask with the Hud on top, ticking while the player
// waits.
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

// Tela lies at the display area's corner (configuration lines 22 and 23).
QRgb Screen(const QImage& shot, int x, int y) { return shot.pixel(39 + x, 36 + y) & 0xFFFFFF; }

constexpr QRgb kBackground = 0xC86432, kDrop = 0x0000FF, kHud = 0x00FF00;

TEST(WalkScreen, ATintedRectangleAndTheGridsAreas) {
  const QTemporaryDir shots;
  const WalkResult r = PlayWalk("screen", "start\nshot " + shots.filePath("tint.png") + "\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const QImage shot(shots.filePath("tint.png"));
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(Screen(shot, 9, 9), kBackground);
  EXPECT_EQ(Screen(shot, 10, 10), 0x000032u);  // only the blue of 200, 100, 50 is kept
  EXPECT_EQ(Screen(shot, 109, 59), 0x000032u);
  EXPECT_EQ(Screen(shot, 110, 60), kBackground);
  const QJsonArray links = r.Step(1)["state"].toObject()["links"].toArray();
  ASSERT_EQ(links.size(), 2);
  EXPECT_EQ(links[0].toObject()["slot"].toInt(), 20);
  EXPECT_EQ(links[0].toObject()["script"].toString(), "caixa");
  EXPECT_EQ(links[1].toObject()["left"].toInt(), 20);
  EXPECT_EQ(links[1].toObject()["width"].toInt(), 20);
}

TEST(WalkScreen, RainTicksWhileThePlayerWaitsAndStopsAtTheNextScript) {
  const QTemporaryDir shots;
  const WalkResult r = PlayWalk("screen", "start\nlink chuva\nwait 400\nshot " + shots.filePath("chuva1.png") +
                                              "\nwait 40\nshot " + shots.filePath("chuva2.png") + "\nlink start\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(r.Step(2)["state"].toObject()["rain"].toBool());
  const QJsonObject hud = r.Step(2)["state"].toObject()["hud"].toObject();
  EXPECT_TRUE(hud["shown"].toBool());
  EXPECT_EQ(hud["x"].toInt(), 90);
  EXPECT_FALSE(r.Step(7)["state"].toObject()["rain"].toBool());
  // Ten ticks of 40 ms: the tenth drew the drops (rows 0 to 3 of each 40-row
  // band, every 8th column) 9 steps of 20 lower, 20 rows down modulo 80; the
  // eleventh 20 rows further.
  const struct {
    const char* file;
    int firstRow;
  } frames[] = {{"chuva1.png", 20}, {"chuva2.png", 40}};
  for (const auto& f : frames) {
    const QImage shot(shots.filePath(f.file));
    ASSERT_FALSE(shot.isNull()) << f.file;
    for (int y = 0; y < 80; ++y) {
      const bool dropRow = (y - f.firstRow + 80) % 40 < 4;
      // Left of the middle the mask lets the rain through, right of it not.
      EXPECT_EQ(Screen(shot, 8, y), dropRow ? kDrop : kBackground) << f.file << " row " << y;
      EXPECT_EQ(Screen(shot, 64, y), kBackground) << f.file << " row " << y;
      EXPECT_EQ(Screen(shot, 9, y), kBackground) << f.file << " row " << y;
    }
    EXPECT_EQ(Screen(shot, 95, 55), kHud) << f.file;
  }
}

TEST(WalkScreen, TheStateShowsTheConfigurationAndVocabularyScriptsSet) {
  const WalkResult r = PlayWalk("screen", "start\nlink ajustes\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const QJsonObject before = r.Step(1)["state"].toObject(), after = r.Step(2)["state"].toObject();
  EXPECT_EQ(before["config"].toArray()[73].toString(), "");
  EXPECT_EQ(after["config"].toArray()[73].toString(), "Como, assim?");
  EXPECT_EQ(before["vocabulary"].toString(), "vocab");
  EXPECT_EQ(after["vocabulary"].toString(), "palavras");
}

}  // namespace
}  // namespace lumora::testing
