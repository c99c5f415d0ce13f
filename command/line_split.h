// Script lines decoded once and kept per line index: a loop trims, classifies
// and splits each of its lines once instead of on every turn. A kept line is
// used only for the very same text, so it can never disagree with decoding the
// line again.
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
  std::string source;  // the line as given, untrimmed: what a kept line is matched by
  std::string text;  // the line trimmed
  LineKind kind = LineKind::Empty;
  uint32_t bodyOffset = 0;  // where the body begins in text: past a marked line's bar
  // A command line's split; offsets are into text.
  const KeywordRow* row = nullptr;  // nullptr: the keyword matches no command
  uint32_t keywordLength = 0;
  uint32_t count = 0;  // argument items, up to kMaxArguments
  std::array<std::pair<uint32_t, uint32_t>, kMaxArguments> items{};  // offset and length in text
  uint32_t restOffset = 0;  // where the text the arguments did not take begins

  // A marked line's body is its text less the bar; any other line's is its text.
  std::string_view Body() const { return std::string_view(text).substr(bodyOffset); }
  std::string_view Keyword() const { return std::string_view(text).substr(bodyOffset, keywordLength); }
  std::string_view Item(size_t i) const { return std::string_view(text).substr(items[i].first, items[i].second); }
  std::string_view Rest() const { return std::string_view(text).substr(restOffset); }
};

class LineSplits {
 public:
  // The decoded form of `line`, the text of line lineIndex as it runs (a kept
  // line is matched by the whole text); findRow names a command's row.
  const LineSplit& For(int lineIndex, std::string_view line, RowFinder findRow);

 private:
  static void Make(LineSplit& split, std::string_view line, RowFinder findRow);
  std::vector<LineSplit> byLine_;
  LineSplit other_;  // a line past the kept range
};

}  // namespace lumora
