// String lists and their files.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/string_list.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(SplitLines, EveryLineBreakKindAndNoPhantomLastLine) {
  const struct {
    const char* text;
    StringList want;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},           // no final break
      {"a\n\r\nb", {"a", "", "b"}},     // LF then CR LF: one empty line
      {"a\r\rb", {"a", "", "b"}},       // two CRs: one empty line
      {"\r\n\r\n", {"", ""}},
      {"\n", {""}},
      {"", {}},
      {"a\n\rb", {"a", "", "b"}},       // LF CR is two breaks
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.want) << ::testing::PrintToString(std::string(c.text));
}

TEST(JoinLines, EachEntryEndsWithCrLf) {
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLines({}), "");
}

TEST(SaveLinesAtomic, WritesCrLfReplacesTheFileAndLeavesNoTemporary) {
  testing::TempGame game;
  const std::string path = game.folder() + "x.txt";
  ASSERT_TRUE(SaveLinesAtomic(path, {"um", "dois tr\xEAs", ""}));
  ASSERT_TRUE(SaveLinesAtomic(path, {"novo", "\xA7"}));
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(path, bytes));
  EXPECT_EQ(bytes, "novo\r\n\xA7\r\n");
  for (const auto& entry : std::filesystem::directory_iterator(game.folder()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();

  StringList back;
  ASSERT_TRUE(LoadLines(path, back));
  EXPECT_EQ(back, (StringList{"novo", "\xA7"}));
}

// A downloaded game may ship links named like the files the player writes,
// aimed at the player's other files: the save lands in the game folder, as a
// plain file, and the file aimed at stays as it was.
TEST(SaveLinesAtomic, NeverWritesThroughALinkTheGameShips) {
  const struct {
    const char* what;
    bool tempLink, targetLink;
    bool aimedAtExists;  // false: a dangling link, the write would create the file
  } cases[] = {
      {"the temporary file a link", true, false, true},
      {"the temporary file a dangling link", true, false, false},
      {"the target a link", false, true, true},
      {"both links", true, true, true},
  };
  for (const auto& c : cases) {
    testing::TempGame game, outside;
    if (c.aimedAtExists) outside.WriteLines("alvo.txt", {"do jogador"});
    const std::string aimed = outside.folder() + "alvo.txt";
    if (c.tempLink) game.Link("x.txt.tmp~", aimed);
    if (c.targetLink) game.Link("x.txt", aimed);
    ASSERT_TRUE(SaveLinesAtomic(game.folder() + "x.txt", {"do jogo"})) << c.what;
    EXPECT_EQ(outside.Read("alvo.txt"), c.aimedAtExists ? "do jogador\r\n" : "") << c.what;
    EXPECT_EQ(outside.Exists("alvo.txt"), c.aimedAtExists) << c.what;
    EXPECT_FALSE(game.IsLink("x.txt")) << c.what;
    EXPECT_EQ(game.Read("x.txt"), "do jogo\r\n") << c.what;
    EXPECT_FALSE(game.IsLink("x.txt.tmp~") || game.Exists("x.txt.tmp~")) << c.what;
  }
}

TEST(SaveLinesAtomic, FailsIntoAMissingFolderAndKeepsNothing) {
  testing::TempGame game;
  EXPECT_FALSE(SaveLinesAtomic(game.folder() + "no/such/x.txt", {"a"}));
  StringList lines{"keep"};
  EXPECT_FALSE(LoadLines(game.folder() + "missing.txt", lines));
  EXPECT_EQ(lines, StringList{"keep"});
}

}  // namespace
}  // namespace lumora
