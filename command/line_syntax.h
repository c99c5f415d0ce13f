// The syntax of one script line, without running it: what kind of line it is,
// its keyword and its argument items, where a text block ends. The interpreter
// and the script checker both read lines through these, so they cannot disagree.
#pragma once
#include <cstddef>
#include <string_view>

#include "core/string_list.h"
#include "core/strings.h"

namespace lumora {

enum class LineKind { Empty, Label, Comment, TextBlock, Command };

// Classifies a trimmed line. A marked line ("|" first) loses its bar and the
// blanks after it and is never a label or a comment; `body` is then what is left
// (for a text block: from its opening apostrophe). A bar alone is a command
// with an empty keyword, which matches nothing.
inline LineKind ClassifyLine(std::string_view line, std::string_view& body) {
  body = line;
  if (line.empty()) return LineKind::Empty;
  const char first = line[0];
  if (first == ':') return LineKind::Label;
  if (first == '/' || first == ';') return LineKind::Comment;
  if (first == '|') body = TrimView(line.substr(1));
  return !body.empty() && body[0] == '\'' ? LineKind::TextBlock : LineKind::Command;
}

// The keyword is the text before the first blank, the argument text all after it
// (further blanks included): "msg=Olá" is one keyword that matches no command.
inline std::string_view SplitKeyword(std::string_view line, std::string_view& rest) {
  const size_t blank = line.find(' ');
  rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
  return line.substr(0, blank);
}

// Removes the next argument item from `rest`: up to the first comma, or all of it
// for a keyword that takes its whole text. Nothing is trimmed; "#n" is left for
// the interpreter to replace by the register's value.
inline std::string_view NextArgumentItem(std::string_view& rest, bool whole) {
  const size_t comma = whole ? std::string_view::npos : rest.find(',');
  const std::string_view item = rest.substr(0, comma);
  rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  return item;
}

// The most arguments a command line has; what follows the last is ignored.
constexpr size_t kMaxArguments = 9;

// The line that closes a text block opened on line `open` whose text after the
// apostrophe is `firstText`: the first that holds an apostrophe (the opening line
// itself when it does), or -1 when the block is never closed.
inline int TextBlockEnd(const StringList& lines, int open, std::string_view firstText) {
  if (firstText.find('\'') != std::string_view::npos) return open;
  for (size_t i = static_cast<size_t>(open) + 1; i < lines.size(); ++i)
    if (lines[i].find('\'') != std::string::npos) return static_cast<int>(i);
  return -1;
}

}  // namespace lumora
