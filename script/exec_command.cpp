// ExecCommand: one script line classified, split into keyword and arguments,
// and dispatched through the keyword table.
#include <algorithm>
#include <charconv>
#include <vector>

#include "core/strings.h"
#include "core/trace.h"
#include "form/form1.h"
#include "script/interp.h"
#include "script/keyword_table.h"
#include "script/labels.h"
#include "command/line_syntax.h"
#include "script/stop_poll.h"
#include "view/model_text.h"
#include "form/text_codes.h"

namespace lumora {
namespace {

// The line index right-aligned in four places (its last four digits when
// longer) and ": ". Written into the trace line in place: this runs for every
// line of every loop.
void StartTraceLine(std::string& traceLine, int lineIndex) {
  // Unread, the line is not worth starting on every line of a loop: it is
  // only emptied, so what the commands add to it cannot pile up.
  if (!TraceListened()) {
    traceLine.clear();
    return;
  }
  char digits[16];
  const size_t n = static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, lineIndex).ptr - digits);
  if (n < 4) traceLine.assign(4 - n, ' ').append(digits, n);
  else traceLine.assign(digits + n - 4, 4);
  traceLine += ": ";
}

const std::string& RegisterOrEmpty(const TForm1& f, int64_t n) {
  static const std::string kEmpty;
  if (n < 0 || n > f.state.registerCount || static_cast<size_t>(n) >= f.state.registers.size()) return kEmpty;
  return f.state.registers[static_cast<size_t>(n)];
}

// One argument item into `out`, "#n" replaced by register n's value. For
// "msg=" and "msg+" (`whole`) the whole text is one item, commas included.
// Assigns in place, so a loop's lines allocate nothing here.
void ResolveArgument(TForm3& t, bool whole, std::string_view item, std::string& out) {
  if (item.empty() || item[0] != '#') {
    AssignText(out, item);
    return;
  }
  const std::string_view number = item.substr(1);
  const int32_t n = IntOr(number, 0);
  // A message names any register; past the last one it reads as empty.
  if (whole || (n >= 0 && n < t.f.state.registerCount)) AssignText(out, RegisterOrEmpty(t.f, n));
  else AssignText(out, number);
}

// Puts a command line's keyword and arguments into t, the arguments as its
// row takes them, and what the arguments did not take into the command line.
void TakeArguments(TForm3& t, const LineSplit& split) {
  AssignText(t.keyword, split.Keyword());
  if (TraceListened()) t.traceLine.append(t.keyword).append(" ");
  const bool whole = split.row && split.row->arguments == Arguments::WholeText;
  // Set over the last line's arguments in place, not cleared first: most are
  // as long already.
  for (size_t i = 0; i < split.count; ++i) ResolveArgument(t, whole, split.Item(i), t.arg[i]);
  const size_t left = std::max(t.argsInUse, kArgsCommandsSet);
  for (size_t i = split.count; i < left; ++i) t.arg[i].clear();
  t.argsInUse = split.count;
  AssignText(t.commandLine, split.Rest());
}

// A text block from the apostrophe that opens it to the next one. Returns true
// when the line after it is to run in the same call (the line index is on it).
bool RunTextBlock(TForm3& t) {
  TForm1& f = t.f;
  StringList& lines = f.run.lines;
  const int end = TextBlockEnd(lines, f.run.lineIndex, std::string_view(t.commandLine).substr(1));
  const int last = end < 0 ? static_cast<int>(lines.size()) - 1 : end;
  std::string line = ApplyTextCodes(t.commandLine.substr(1), f.Model());
  std::string collected;
  while (f.run.lineIndex < last) {
    collected += line + " ";
    ++f.run.lineIndex;
    line = ApplyTextCodes(Trim(lines[static_cast<size_t>(f.run.lineIndex)]), f.Model());
  }
  if (end < 0) {
    // Never closed: the block takes the rest of the script.
    collected += line + " ";
    line.clear();
  } else {
    line.resize(line.find('\''));
  }
  collected += line;
  // A run nested in the typing below rebuilds the trace line: keep this one.
  const std::string trace = t.traceLine + line;
  ShowTextBlock(f, collected);
  Trace(trace);
  if (static_cast<size_t>(f.run.lineIndex) + 1 >= lines.size()) {
    // Closed on the last line: the call ends with the script. The block's trace
    // line has gone out already.
    f.run.lineIndex = static_cast<int>(lines.size());
    t.traceLine.clear();
    return false;
  }
  ++f.run.lineIndex;
  return true;
}

// Runs one decoded line. Returns true when the line the line index is now on
// is to run next in this same call (a jump, the line after a text block). The
// line is not looked at after its command: a run nested in the command may
// have decoded other lines in its place.
bool RunLine(TForm3& t, const LineSplit& line) {
  StartTraceLine(t.traceLine, t.f.run.lineIndex);
  if (line.kind != LineKind::Command) t.keyword.clear();
  switch (line.kind) {
    case LineKind::Empty:
      t.commandLine.clear();
      return false;
    case LineKind::Label:
      // The references scan every line of the script: a long script full of
      // labels would spend nearly all its time here for a trace nobody reads.
      t.traceLine += line.text;
      if (TraceListened()) t.traceLine += " <-" + LabelReferences(t.f.run.lines, line.text);
      return false;
    case LineKind::Comment:
      t.traceLine += line.text;
      return false;
    case LineKind::TextBlock:
      t.commandLine.assign(line.Body());
      return RunTextBlock(t);
    case LineKind::Command: break;
  }
  const KeywordRow* row = line.row;
  TakeArguments(t, line);
  t.restart = false;
  if (row) RunHandler(t, row->handler);
  return t.restart;
}

// Runs `line`, then every line a jump or a text block hands over to.
void RunFrom(TForm3& t, const LineSplit* line) {
  int jumps = 0;
  while (RunLine(t, *line)) {
    // A label followed by a jump to itself loops here without returning to
    // the driver, so this loop looks at whether the program is to end, as the
    // driver does.
    t.restart = false;
    if (++jumps == kLinesBetweenStopChecks) {
      jumps = 0;
      PollStop(t.f);
    }
    const auto index = static_cast<size_t>(t.f.run.lineIndex);
    if (index >= t.f.run.lines.size()) return;
    line = &t.splits.For(t.f.run.lineIndex, t.f.run.lines[index], FindRow);
  }
}

}  // namespace

const KeywordRow* FindRow(std::string_view keyword) {
  // Every line of every loop looks its keyword up: the index hashes only the
  // length and the first and last bytes, and compares whole keywords within a
  // bucket. The table has one row per keyword (a test sees to it), so the index
  // finds the row the table's order would.
  struct Index {
    std::vector<const KeywordRow*> buckets[256];
    static size_t Bucket(std::string_view k) {
      return (k.size() * 31u + static_cast<unsigned char>(k.front()) * 7u + static_cast<unsigned char>(k.back())) & 255u;
    }
  };
  static const Index* index = [] {
    auto* built = new Index;
    for (const KeywordRow& row : KeywordTable()) built->buckets[Index::Bucket(row.keyword)].push_back(&row);
    return built;
  }();
  if (keyword.empty()) return nullptr;
  for (const KeywordRow* row : index->buckets[Index::Bucket(keyword)])
    if (row->keyword == keyword) return row;
  return nullptr;
}

CommandHandler FindCommand(std::string_view keyword) {
  const KeywordRow* row = FindRow(keyword);
  return row ? row->handler : nullptr;
}

void Dispatch(TForm3& t) {
  // A loop's condition carries the same command on every turn: the last
  // keyword's row is kept and looked up again only for another keyword. The
  // table never changes, so the row is the one the lookup would find.
  static std::string lastKeyword;
  static const KeywordRow* lastRow = nullptr;
  if (t.keyword != lastKeyword) {
    lastRow = FindRow(t.keyword);
    AssignText(lastKeyword, t.keyword);
  }
  if (lastRow) RunHandler(t, lastRow->handler);
}

void RunHandler(TForm3& t, CommandHandler handler) {
  t.jumpToLabel = false;
  handler(t);
  // The jumping commands live below the interpreter: they name the label and
  // "goto" itself runs here, as if they had called it.
  if (t.jumpToLabel) {
    t.jumpToLabel = false;
    Dispatch(t);
  }
}

void ExecCommand(TForm3& t) {
  t.restart = false;
  RunFrom(t, &t.splits.For(t.f.run.lineIndex, t.commandLine, FindRow));
}

void ExecLine(TForm3& t) {
  const int index = t.f.run.lineIndex;
  t.restart = false;
  RunFrom(t, &t.splits.For(index, t.f.run.lines[static_cast<size_t>(index)], FindRow));
}

}  // namespace lumora
