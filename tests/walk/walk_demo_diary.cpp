// The demo's diary: a model-3 page of text, pictures and word links, reached
// by a typed command, scrolled with the wheel and followed by clicking a word.
#include <QJsonArray>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

// The active model-3 area whose script is that reference.
QJsonObject Model3Link(const QJsonObject& state, const QString& script) {
  for (const auto& v : state["links"].toArray()) {
    const QJsonObject link = v.toObject();
    if (link["slot"].toInt() >= 60 && link["script"].toString() == script) return link;
  }
  return {};
}

TEST(WalkDemoDiary, AWordLinkOnThePageRunsItsScriptAndTheWheelScrollsIt) {
  const WalkResult first = PlayWalk(QStringLiteral(LUMORA_DEMO), "resume\ntype diario\nwheel -120\nquit\n");
  ASSERT_EQ(first.exitCode, 0) << first.stderrText.toStdString();
  const QJsonObject diary = first.Step(2)["state"].toObject();
  EXPECT_EQ(diary["model"].toString(), "3");
  EXPECT_EQ(diary["script"].toString(), "diario");
  // The page runs past the box, so the wheel scrolls it, by at most the notch.
  const int scrolled = first.Step(3)["state"].toObject()["canvasScroll"].toInt();
  EXPECT_GT(scrolled, 0);
  EXPECT_LE(scrolled, 120);
  const QJsonObject next = Model3Link(diary, "diario2");
  ASSERT_FALSE(next.isEmpty());
  EXPECT_EQ(next["picture"].toString(), QString::fromUtf8("próxima página"));
  EXPECT_EQ(next["cursor"].toInt(), 1);

  // A click in the middle of the words runs the diary's next page.
  const int x = next["left"].toInt() + next["width"].toInt() / 2, y = next["top"].toInt() + next["height"].toInt() / 2;
  const WalkResult second = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                     QString("resume\ntype diario\nclick md3 %1 %2\nquit\n").arg(x).arg(y));
  ASSERT_EQ(second.exitCode, 0) << second.stderrText.toStdString();
  for (const auto& step : second.steps) EXPECT_TRUE(step["error"].isNull());
  const QJsonObject page2 = second.Step(3)["state"].toObject();
  EXPECT_EQ(page2["script"].toString(), "diario2");
  EXPECT_FALSE(Model3Link(page2, "diario").isEmpty());
  EXPECT_TRUE(Model3Link(page2, "diario2").isEmpty());  // the first page's links are gone
}

}  // namespace
}  // namespace lumora::testing
