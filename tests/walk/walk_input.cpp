// The input line as the player types into it: the field's upper case keeps to
// Windows-1252, and typing replaces what the field held.
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

QString Field(const WalkResult& r, int step, const char* key) {
  return r.Step(step)["state"].toObject()[key].toString();
}

TEST(WalkInput, TypedLettersWithoutACapitalKeepTheirPlace) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), QString::fromUtf8("resume\ntype Straße µm ÿ\n"));
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_EQ(Field(r, 2, "lastCommand"), QString::fromUtf8("STRAßE µM Ÿ"));
}

TEST(WalkInput, TypingReplacesARecalledCommand) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), "resume\ntype jardim\nkey F3\ntype sala\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_EQ(Field(r, 3, "input"), "JARDIM");
  EXPECT_EQ(Field(r, 4, "lastCommand"), "SALA");
  EXPECT_EQ(Field(r, 4, "input"), "");
}

}  // namespace
}  // namespace lumora::testing
