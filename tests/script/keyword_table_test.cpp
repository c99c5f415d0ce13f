// The keyword table: one row per keyword, synonyms on one handler, the rows
// that take their arguments whole, the argument kinds the checker reads, and
// the manual pages made from it.
#include "script/keyword_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "tools/keyword_reference.h"

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
  const std::string_view known = "lsgvpwmrotcnka.";
  std::map<CommandHandler, std::string_view> kindsOf;
  for (const KeywordRow& row : KeywordTable()) {
    const std::string_view kinds = row.arguments.kinds;
    EXPECT_LE(kinds.size(), 9u) << row.keyword;
    for (char k : kinds) {
      EXPECT_NE(known.find(k), std::string_view::npos) << row.keyword << ": " << k;
      EXPECT_NE(ArgumentName(k), "") << row.keyword << ": " << k;  // the reference names every kind
    }
    // What follows a carried command belongs to that command.
    const size_t carried = kinds.find('c');
    if (carried != std::string_view::npos) {
      EXPECT_EQ(carried, kinds.size() - 1) << row.keyword;
    }
    // Synonyms run the same handler, so their arguments name the same things.
    const auto [it, first] = kindsOf.emplace(row.handler, kinds);
    if (!first) {
      EXPECT_EQ(it->second, kinds) << row.keyword;
    }
  }
}

// lumora --keywords: each keyword with one upper-case name per argument, joined
// as a script joins them, and every line within a terminal's 80 columns.
TEST(KeywordTable, TheTerminalListGivesEveryKeywordItsArgumentsWithinEightyColumns) {
  std::istringstream text(KeywordReference(ReferenceFormat::Text));
  std::set<std::string> unindented;
  for (std::string line; std::getline(text, line);) {
    EXPECT_LE(line.size(), 80u) << line;
    if (!line.starts_with(' ')) unindented.insert(line);
  }
  for (const KeywordRow& row : KeywordTable()) {
    std::string synopsis(row.keyword);
    for (size_t k = 0; k < row.arguments.kinds.size(); ++k) {
      synopsis += k == 0 ? " " : ",";
      for (char c : ArgumentName(row.arguments.kinds[k])) synopsis += static_cast<char>(std::toupper(c));
    }
    EXPECT_EQ(unindented.count(synopsis), 1u) << synopsis;
  }
}

#ifdef LUMORA_KEYWORD_PAGES
// The keyword as the page's roff writes it.
std::string Roff(std::string_view keyword) {
  std::string out;
  for (char c : keyword) out += c == '-' ? std::string("\\-") : std::string(1, c);
  return out;
}

// Every keyword of the table has its entry in the built manual pages (English
// and Portuguese): its name, one argument name for each argument kind, and a
// description under it; the English page's is the table's.
TEST(KeywordTable, EveryKeywordIsInTheManualPagesWithItsArgumentsAndDescription) {
  for (const char* name : {"lumora-jogo.5", "lumora-jogo.pt_BR.5"}) {
    SCOPED_TRACE(name);
    std::ifstream in(std::string(LUMORA_KEYWORD_PAGES "/") + name);
    ASSERT_TRUE(in) << "the page is built with the program";
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const bool english = std::string_view(name) == "lumora-jogo.5";
    // The keyword section (COMMANDS, COMANDOS); the text above it names commands too.
    size_t section = 0;
    while (section < lines.size() && !lines[section].starts_with(".SH COM")) ++section;
    ASSERT_LT(section, lines.size());
    for (const KeywordRow& row : KeywordTable()) {
      SCOPED_TRACE(std::string(row.keyword));
      const std::string bare = ".B " + Roff(row.keyword), withArguments = ".BI \"" + Roff(row.keyword) + " \"";
      size_t at = section;
      while (at < lines.size() && lines[at] != bare && !lines[at].starts_with(withArguments)) ++at;
      ASSERT_LT(at, lines.size()) << "no entry";
      // ".BI" alternates the keyword, the argument names and the commas, each
      // quoted; a name may not be hyphenated (\%), a comma may end a line (\:).
      std::vector<std::string> names;
      const std::string& synopsis = lines[at];
      const std::regex quoted("\"([^\"]*)\"");
      for (std::sregex_iterator q(synopsis.begin(), synopsis.end(), quoted), end; q != end; ++q) {
        std::string name = (*q)[1];
        if (name.starts_with("\\%")) name.erase(0, 2);
        if (name.ends_with("\\:")) name.erase(name.size() - 2);
        names.push_back(name);
      }
      const std::string_view kinds = row.arguments.kinds;
      ASSERT_EQ(names.size(), kinds.empty() ? 0 : 2 * kinds.size()) << synopsis;
      for (size_t k = 0; k < kinds.size(); ++k) {
        EXPECT_FALSE(names[1 + 2 * k].empty()) << synopsis;
        if (english) {
          EXPECT_EQ(names[1 + 2 * k], ArgumentName(kinds[k])) << synopsis;
        }
        if (k > 0) {
          EXPECT_EQ(names[2 * k], ",") << synopsis;
        }
      }
      // Synonyms sharing the description stand above it, each on its own line.
      size_t text = at + 1;
      while (text < lines.size() && (lines[text] == ".TQ" || lines[text].starts_with(".B"))) ++text;
      ASSERT_LT(text, lines.size());
      EXPECT_FALSE(lines[text].empty() || lines[text].starts_with(".")) << lines[text];
      if (english) {
        EXPECT_EQ(lines[text], Roff(row.description));
      }
    }
  }
}
#endif

}  // namespace
}  // namespace lumora
