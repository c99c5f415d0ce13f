// The split of command lines kept per line index.
#include "command/line_split.h"

#include "command/handler.h"

namespace lumora {
namespace {

// Scripts longer than this split their later lines every time: a kept split
// costs memory for each line, and such lines are rarely loops.
constexpr int kKeptLines = 65536;

}  // namespace

void LineSplits::Make(LineSplit& split, std::string_view commandLine, RowFinder findRow) {
  split.made = true;
  split.text.assign(commandLine);
  std::string_view rest;
  const std::string_view keyword = SplitKeyword(split.text, rest);
  split.keywordLength = static_cast<uint32_t>(keyword.size());
  split.row = findRow(keyword);
  const bool whole = split.row && split.row->arguments == Arguments::WholeText;
  split.count = 0;
  while (split.count < kMaxArguments && !rest.empty()) {
    const std::string_view item = NextArgumentItem(rest, whole);
    split.items[split.count++] = {static_cast<uint32_t>(item.data() - split.text.data()),
                                  static_cast<uint32_t>(item.size())};
  }
  split.restOffset = static_cast<uint32_t>(split.text.size() - rest.size());
}

const LineSplit& LineSplits::For(int lineIndex, std::string_view commandLine, RowFinder findRow) {
  if (lineIndex < 0 || lineIndex >= kKeptLines) {
    Make(other_, commandLine, findRow);
    return other_;
  }
  if (static_cast<size_t>(lineIndex) >= byLine_.size()) byLine_.resize(static_cast<size_t>(lineIndex) + 1);
  LineSplit& kept = byLine_[static_cast<size_t>(lineIndex)];
  if (!kept.made || kept.text != commandLine) Make(kept, commandLine, findRow);
  return kept;
}

}  // namespace lumora
