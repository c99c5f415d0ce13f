// The demo's tower room: pictures on the screen, a faded painting, the hud, the
// carried objects as a grid on the panel, and rain seen through the window only.
#include <QImage>
#include <QJsonArray>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

TEST(WalkDemoTower, RainsInTheWindowOnlyAndTheGridHoldsTheKey) {
  const QTemporaryDir shots;
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                "resume\ntype jardim\ntype pegar chave\nlink torre\nwait 400\nshot " +
                                    shots.filePath("a.png") + "\nwait 120\nshot " + shots.filePath("b.png") + "\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << step["error"].toString().toStdString();
  const QJsonObject tower = r.Step(4)["state"].toObject();
  EXPECT_TRUE(tower["rain"].toBool());
  EXPECT_TRUE(tower["hud"].toObject()["shown"].toBool());
  // The chest on the screen, the key in the grid's first cell, the way out below it.
  QStringList links;
  for (const auto& v : tower["links"].toArray())
    links << QString("%1:%2").arg(v.toObject()["slot"].toInt()).arg(v.toObject()["script"].toString());
  EXPECT_EQ(links, (QStringList{"0:bau", "20:chave", "21:jardim"}));
  for (const auto& line : r.Step(4)["trace"].toArray()) EXPECT_FALSE(line.toString().contains("<---")) << line.toString().toStdString();

  const QImage a(shots.filePath("a.png")), b(shots.filePath("b.png"));
  ASSERT_FALSE(a.isNull());
  ASSERT_EQ(a.size(), b.size());
  // The screen starts at (39, 36) of the window; the glass lies within
  // (384, 44) to (506, 136) of the screen.
  const QRect glass(39 + 384, 36 + 44, 122, 92), screen(39, 36, 596, 245);
  int changedInGlass = 0;
  for (int y = screen.top(); y <= screen.bottom(); ++y)
    for (int x = screen.left(); x <= screen.right(); ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      ASSERT_TRUE(glass.contains(x, y)) << "rain outside the window at " << x - 39 << "," << y - 36;
      ++changedInGlass;
    }
  EXPECT_GT(changedInGlass, 0);
}

}  // namespace
}  // namespace lumora::testing
