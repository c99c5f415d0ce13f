// Script lines decoded once and kept per line index.
#include "command/line_split.h"

#include "command/handler.h"

namespace lumora {
namespace {

// Scripts longer than this decode their later lines every time: a kept line
// costs memory, and such lines are rarely loops.
constexpr int kKeptLines = 65536;

}  // namespace

void LineSplits::Make(LineSplit& split, std::string_view line, RowFinder findRow) {
  split.made = true;
  split.source.assign(line);
  split.text.assign(TrimView(line));
  std::string_view body;
  split.kind = ClassifyLine(split.text, body);
  split.bodyOffset = static_cast<uint32_t>(body.data() - split.text.data());
  split.row = nullptr;
  split.keywordLength = 0;
  split.count = 0;
  split.restOffset = static_cast<uint32_t>(split.text.size());
  if (split.kind != LineKind::Command) return;
  std::string_view rest;
  const std::string_view keyword = SplitKeyword(body, rest);
  split.keywordLength = static_cast<uint32_t>(keyword.size());
  split.row = findRow(keyword);
  const bool whole = split.row && split.row->arguments == Arguments::WholeText;
  while (split.count < kMaxArguments && !rest.empty()) {
    const std::string_view item = NextArgumentItem(rest, whole);
    split.items[split.count++] = {static_cast<uint32_t>(item.data() - split.text.data()),
                                  static_cast<uint32_t>(item.size())};
  }
  split.restOffset = static_cast<uint32_t>(split.text.size() - rest.size());
}

const LineSplit& LineSplits::For(int lineIndex, std::string_view line, RowFinder findRow) {
  if (lineIndex < 0 || lineIndex >= kKeptLines) {
    Make(other_, line, findRow);
    return other_;
  }
  if (static_cast<size_t>(lineIndex) >= byLine_.size()) byLine_.resize(static_cast<size_t>(lineIndex) + 1);
  LineSplit& kept = byLine_[static_cast<size_t>(lineIndex)];
  if (!kept.made || kept.source != line) Make(kept, line, findRow);
  return kept;
}

}  // namespace lumora
