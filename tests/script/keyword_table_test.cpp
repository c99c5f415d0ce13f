// The keyword table: one row per keyword, synonyms on one handler, the rows
// that take their arguments whole, and the argument kinds the checker reads.
#include "script/keyword_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace lumora {
namespace {

TEST(KeywordTable, NoKeywordAppearsTwice) {
  // The look-up index would keep one of two rows silently.
  std::map<std::string_view, int> seen;
  for (const KeywordRow& row : KeywordTable()) ++seen[row.keyword];
  for (const auto& [keyword, count] : seen) EXPECT_EQ(count, 1) << keyword;
  for (const KeywordRow& row : KeywordTable()) {
    EXPECT_FALSE(row.keyword.empty());
    EXPECT_NE(row.handler, nullptr) << row.keyword;
    EXPECT_EQ(FindRow(row.keyword), &row) << row.keyword;
  }
}

TEST(KeywordTable, SynonymsShareAHandler) {
  const std::vector<std::vector<std::string_view>> synonyms = {
      {"fim", "end"},           {"modo=", "setmode="},     {"return", "ret"},
      {"tiratudo", "poetudo"},  {"pegaobj=", "pegaobj"},   {"soltaobj=", "soltaobj"},
      {"cleartxt", "clear$"},   {"postxt=", "postxt"},     {"regtxt=", "regtxt+"},
      {"ifloc=", "ifpos="},
  };
  std::set<CommandHandler> groups;
  for (const auto& group : synonyms) {
    const CommandHandler first = FindCommand(group[0]);
    ASSERT_NE(first, nullptr) << group[0];
    for (std::string_view keyword : group) EXPECT_EQ(FindCommand(keyword), first) << keyword;
    EXPECT_TRUE(groups.insert(first).second) << group[0] << " shares its handler with another group";
  }
}

TEST(KeywordTable, OnlyMessagesTakeTheirTextWhole) {
  std::set<std::string_view> whole;
  for (const KeywordRow& row : KeywordTable())
    if (row.arguments == Arguments::WholeText) whole.insert(row.keyword);
  EXPECT_EQ(whole, (std::set<std::string_view>{"msg+", "msg="}));
  EXPECT_EQ(FindRow("msg"), nullptr);
  EXPECT_EQ(FindRow("MSG="), nullptr);  // keywords are compared exactly
}

TEST(KeywordTable, ArgumentKindsAreKnownAndAlikeForSynonyms) {
  // The checker reads these letters; a letter it does not know checks nothing.
  const std::string_view known = "lsgvpwmrotc.";
  std::map<CommandHandler, std::string_view> kindsOf;
  for (const KeywordRow& row : KeywordTable()) {
    const std::string_view kinds = row.arguments.kinds;
    EXPECT_LE(kinds.size(), 9u) << row.keyword;
    for (char k : kinds) EXPECT_NE(known.find(k), std::string_view::npos) << row.keyword << ": " << k;
    // What follows a carried command belongs to that command.
    const size_t carried = kinds.find('c');
    if (carried != std::string_view::npos) EXPECT_EQ(carried, kinds.size() - 1) << row.keyword;
    // Synonyms run the same handler, so their arguments name the same things.
    const auto [it, first] = kindsOf.emplace(row.handler, kinds);
    if (!first) EXPECT_EQ(it->second, kinds) << row.keyword;
  }
}

}  // namespace
}  // namespace lumora
