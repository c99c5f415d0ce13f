// The split of command lines kept per line index: a loop splits each of its
// lines once instead of on every turn. A kept split is used only for the very
// same text, so it can never disagree with splitting the line again.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "command/line_syntax.h"

namespace lumora {

struct KeywordRow;
// Finds a keyword's row in the interpreter's table (nullptr: no command).
using RowFinder = const KeywordRow* (*)(std::string_view keyword);

struct LineSplit {
  bool made = false;
  std::string text;  // the command line it was made from
  const KeywordRow* row = nullptr;  // nullptr: the keyword matches no command
  uint32_t keywordLength = 0;
  uint32_t count = 0;  // argument items, up to kMaxArguments
  std::array<std::pair<uint32_t, uint32_t>, kMaxArguments> items{};  // offset and length in text
  uint32_t restOffset = 0;  // where the text the arguments did not take begins

  std::string_view Keyword() const { return std::string_view(text).substr(0, keywordLength); }
  std::string_view Item(size_t i) const { return std::string_view(text).substr(items[i].first, items[i].second); }
};

class LineSplits {
 public:
  // The split of commandLine, the trimmed text of line lineIndex; findRow
  // names its keyword's row.
  const LineSplit& For(int lineIndex, std::string_view commandLine, RowFinder findRow);

 private:
  static void Make(LineSplit& split, std::string_view commandLine, RowFinder findRow);
  std::vector<LineSplit> byLine_;
  LineSplit other_;  // a line past the kept range
};

}  // namespace lumora
