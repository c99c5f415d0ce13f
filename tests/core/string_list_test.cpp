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

TEST(SaveLinesAtomic, FailsIntoAMissingFolderAndKeepsNothing) {
  testing::TempGame game;
  EXPECT_FALSE(SaveLinesAtomic(game.folder() + "no/such/x.txt", {"a"}));
  StringList lines{"keep"};
  EXPECT_FALSE(LoadLines(game.folder() + "missing.txt", lines));
  EXPECT_EQ(lines, StringList{"keep"});
}

}  // namespace
}  // namespace lumora
