// Several files saved as one moment, and a save cut short finished or forgotten
// at the next start.
#include <gtest/gtest.h>

#include <cstdio>

#include "core/save_together.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(SaveTogether, WritesEveryFileAndLeavesNoRecord) {
  testing::TempGame game;
  const StringList a{"a1", "a2"}, b{"b1"};
  const std::string record = game.folder() + "g.commit~";
  ASSERT_TRUE(SaveLinesTogether(record, {{game.folder() + "g.rgs", &a}, {game.folder() + "g.obx", &b}}));
  EXPECT_EQ(game.Read("g.rgs"), "a1\r\na2\r\n");
  EXPECT_EQ(game.Read("g.obx"), "b1\r\n");
  for (const char* left : {"g.commit~", "g.rgs.tmp~", "g.obx.tmp~"}) EXPECT_FALSE(game.Exists(left)) << left;
}

// A kill can stop a save at any step: what the disk then holds, and what the
// next start makes of it.
TEST(SaveTogether, TheNextStartFinishesAWholeSaveAndForgetsAnIncompleteOne) {
  const char* kWhole = "g.rgs\r\ng.obx\r\nend\r\n";
  const struct {
    const char* what;
    const char* record;      // the record's text, nullptr for none
    bool rgsTemp, obxTemp;   // which temporary files ("new") are still there
    const char* rgs, *obx;   // the targets as the kill left them
    bool rolled;             // the start finishes the save: both "new"
  } cases[] = {
      {"killed while writing the temporary files", nullptr, true, false, "old", "old", false},
      {"killed before the record was renamed", nullptr, true, true, "old", "old", false},
      {"a torn record", "g.rgs\r\n", true, true, "old", "old", false},
      {"killed before the renames", kWhole, true, true, "old", "old", true},
      {"killed between the renames", kWhole, false, true, "new", "old", true},
      {"killed before the record was removed", kWhole, false, false, "new", "new", true},
  };
  for (const auto& c : cases) {
    testing::TempGame game;
    game.WriteLines("g.rgs", {c.rgs});
    game.WriteLines("g.obx", {c.obx});
    if (c.rgsTemp) game.WriteLines("g.rgs.tmp~", {"new"});
    if (c.obxTemp) game.WriteLines("g.obx.tmp~", {"new"});
    if (c.record) game.WriteLines("g.commit~", SplitLines(c.record));
    const std::string f = game.folder();
    EXPECT_EQ(RecoverSavedTogether(f + "g.commit~", {f + "g.rgs", f + "g.obx"}), c.rolled) << c.what;
    const std::string want = c.rolled ? "new\r\n" : "old\r\n";
    EXPECT_EQ(game.Read("g.rgs"), want) << c.what;
    EXPECT_EQ(game.Read("g.obx"), want) << c.what;
    for (const char* left : {"g.commit~", "g.rgs.tmp~", "g.obx.tmp~"}) EXPECT_FALSE(game.Exists(left)) << c.what << left;
  }
}

}  // namespace
}  // namespace lumora
