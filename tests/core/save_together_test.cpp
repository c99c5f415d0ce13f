// Several files saved as one moment, and a save cut short finished or forgotten
// at the next start.
#include <gtest/gtest.h>

#include <cstdio>

#include "core/paths.h"
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

// The names a save writes (its temporary files, the record and its own
// temporary file, the targets) shipped by a game as links to the player's
// files: the save replaces the links and the files aimed at stay as they were.
TEST(SaveTogether, LinksNamedLikeItsFilesAreReplacedNotWrittenThrough) {
  for (const char* link : {"g.rgs.tmp~", "g.commit~.tmp~", "g.commit~", "g.rgs"}) {
    testing::TempGame game, outside;
    outside.WriteLines("alvo.txt", {"do jogador"});
    game.Link(link, outside.folder() + "alvo.txt");
    const StringList lines{"do jogo"};
    ASSERT_TRUE(SaveLinesTogether(game.folder() + "g.commit~", {{game.folder() + "g.rgs", &lines}})) << link;
    EXPECT_EQ(outside.Read("alvo.txt"), "do jogador\r\n") << link;
    EXPECT_EQ(game.Read("g.rgs"), "do jogo\r\n") << link;
    for (const char* left : {"g.commit~", "g.rgs.tmp~", "g.commit~.tmp~"}) EXPECT_FALSE(game.IsLink(left)) << link << left;
  }
}

// A record is a file of the game folder, so a game may ship one: only the
// names of the save's own targets are finished, and only from plain files.
TEST(SaveTogether, RecoveryRenamesOnlyTheSavesOwnFiles) {
  const struct {
    const char* what;
    const char* line;     // the record's first line, before "g.rgs" and "end"
    const char* victim;   // the file that line would replace
    bool outsideFolder;   // the victim lies in the other folder, else in the game's
  } cases[] = {
      {"a name climbing out of the folder", nullptr, "v.txt", true},
      {"a name through a folder link", "sub/v.txt", "v.txt", true},
      {"another file of the game folder", "g.ini", "g.ini", false},
  };
  for (const auto& c : cases) {
    testing::TempGame game, outside;
    game.Link("sub", outside.folder());
    const testing::TempGame& holder = c.outsideFolder ? outside : game;
    holder.WriteLines(c.victim, {"old"});
    holder.WriteLines(std::string(c.victim) + ".tmp~", {"new"});
    game.WriteLines("g.rgs", {"old"});
    game.WriteLines("g.rgs.tmp~", {"new"});
    // Both temporary folders share a parent: "../NAME/v.txt" reaches the other.
    const std::string climbing = "../" + FileNameOf(outside.folder().substr(0, outside.folder().size() - 1)) + "/v.txt";
    game.WriteLines("g.commit~", {c.line ? c.line : climbing, "g.rgs", "end"});
    const std::string f = game.folder();
    EXPECT_TRUE(RecoverSavedTogether(f + "g.commit~", {f + "g.rgs", f + "g.obx"})) << c.what;
    EXPECT_EQ(holder.Read(c.victim), "old\r\n") << c.what;
    EXPECT_EQ(game.Read("g.rgs"), "new\r\n") << c.what;
  }
  // A temporary file that is a link does not take its target's place.
  testing::TempGame game, outside;
  outside.WriteLines("alvo.txt", {"do jogador"});
  game.WriteLines("g.obx", {"old"});
  game.Link("g.obx.tmp~", outside.folder() + "alvo.txt");
  game.WriteLines("g.commit~", {"g.obx", "end"});
  RecoverSavedTogether(game.folder() + "g.commit~", {game.folder() + "g.obx"});
  EXPECT_FALSE(game.IsLink("g.obx"));
  EXPECT_EQ(game.Read("g.obx"), "old\r\n");
  EXPECT_FALSE(game.IsLink("g.obx.tmp~"));
  EXPECT_EQ(outside.Read("alvo.txt"), "do jogador\r\n");
}

}  // namespace
}  // namespace lumora
