// The script checker's walk over one script: the same classification, text
// blocks and splitting as the interpreter, then each argument by its kind.
#include "tools/script_check.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "command/line_syntax.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "script/interp.h"
#include "tools/name_checks.h"
#include "tools/suggest.h"

namespace lumora {
namespace {

class ScriptWalk {
 public:
  ScriptWalk(const std::string& file, const StringList& lines, CheckContext& context, Findings& out)
      : file_(file), lines_(lines), c_(context), out_(out) {
    for (const std::string& line : lines) {
      const std::string_view t = TrimView(line);
      if (StartsWith(t, ":")) labels_.push_back(t.substr(1));
    }
  }

  void Run() {
    for (at_ = 0; at_ < lines_.size(); ++at_) {
      std::string_view body;
      switch (ClassifyLine(TrimView(lines_[at_]), body)) {
        case LineKind::TextBlock: TextBlock(body); break;
        case LineKind::Command: Command(body); break;
        default: break;
      }
    }
  }

 private:
  void Report(std::string message) { out_.push_back({file_, static_cast<int>(at_) + 1, std::move(message)}); }

  void TextBlock(std::string_view body) {
    const int end = TextBlockEnd(lines_, static_cast<int>(at_), body.substr(1));
    if (end >= 0) {
      at_ = static_cast<size_t>(end);
      return;
    }
    Report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "text block never closed: it takes the rest of the script")));
    at_ = lines_.size();
  }

  void Command(std::string_view body) {
    std::string_view rest;
    const std::string_view keyword = SplitKeyword(body, rest);
    if (keyword.empty()) return;
    const KeywordRow* row = FindRow(keyword);
    if (!row) {
      UnknownKeyword(keyword, rest, ' ');
      return;
    }
    std::array<std::string_view, kMaxArguments> items{};
    const bool whole = row->arguments == Arguments::WholeText;
    size_t n = 0;
    for (; n < items.size() && !rest.empty(); ++n) items[n] = NextArgumentItem(rest, whole);
    Items(*row, std::span(items.data(), n));
  }

  void UnknownKeyword(std::string_view keyword, std::string_view rest, char separator) {
    std::string message = TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "%1 matches no command"), {Quoted(keyword)});
    std::string hint = SuggestKeyword(keyword, separator);
    if (!hint.empty()) {
      if (hint.size() > keyword.size() && !rest.empty()) hint += std::string(1, separator) + std::string(rest);
      message += TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "; did you mean %1?"), {Quoted(hint)});
    }
    Report(message);
  }

  void Items(const KeywordRow& row, std::span<const std::string_view> items) {
    const std::string_view kinds = row.arguments.kinds;
    for (size_t k = 0; k < kinds.size(); ++k) {
      const std::string_view item = k < items.size() ? items[k] : std::string_view();
      // An empty text still runs on over the following lines.
      if (item.empty() && kinds[k] != 't') continue;
      if (StartsWith(item, "#")) {
        // The value is known only when the game runs. A message reads its
        // "#n" by a rule of its own (any register; past the last, empty).
        // Without a number after it, "#" reads register 0 either way.
        if (!ReadInt(item.substr(1)))
          Report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "%1 has no register number after '#': it reads register 0"),
                                {Quoted(item)}));
        else if (row.arguments != Arguments::WholeText)
          RegisterReference(item);
        continue;
      }
      if (kinds[k] == 'c') {
        CarriedCommand(item, items.subspan(k + 1));
        return;
      }
      // A register out of range ends the command: the rest is never read
      // (a "regtxt=" text then takes no lines either).
      if (kinds[k] == 'r' && !Register(item)) return;
      Argument(kinds[k], item);
    }
  }

  // A conditional command's second command, whose arguments were split already.
  void CarriedCommand(std::string_view keyword, std::span<const std::string_view> items) {
    if (const KeywordRow* row = FindRow(keyword)) Items(*row, items);
    else UnknownKeyword(keyword, {}, ',');
  }

  void Argument(char kind, std::string_view item) {
    switch (kind) {
      case 'l': Label(item); break;
      case 's': Message(CheckScriptReference(item, c_.folder)); break;
      case 'g':
        if (StartsWith(item, ":")) Label(item.substr(1));
        else
          Message(FileMessage(QT_TRANSLATE_NOOP("Check", "script"), item, c_.folder, ".scp"));
        break;
      case 'v':
        c_.vocabularies.insert(std::string(item));
        Message(FileMessage(QT_TRANSLATE_NOOP("Check", "vocabulary"), item, c_.folder, ".scp"));
        break;
      case 'p': Message(CheckPicture(item, c_.folder)); break;
      case 'w':
        if (item != "off" && item != "on") Message(FileMessage(QT_TRANSLATE_NOOP("Check", "sound"), item, c_.folder));
        break;
      case 'm':
        Message(FileMessage(QT_TRANSLATE_NOOP("Check", "music"), item, c_.folder));
        break;
      case 'o':
        if (!c_.objectKeys.count(std::string(item)))
          Report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "object %1: no .obj file defines it"), {Quoted(item)}));
        break;
      case 't': QuotedText(item); break;
      default: break;
    }
  }

  void Message(std::string message) {
    if (!message.empty()) Report(std::move(message));
  }

  void Label(std::string_view name) {
    for (std::string_view l : labels_)
      if (l == name) return;
    std::string message =
        TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "label %1 does not exist in this script"), {Quoted(name)});
    const std::string hint = Nearest(name, labels_);
    if (!hint.empty()) message += TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "; did you mean %1?"), {Quoted(hint)});
    Report(message);
  }

  // Whether the register number is in range; a text that is not a number reads
  // as register 0, which is.
  bool Register(std::string_view item) {
    const std::optional<int32_t> n = ReadInt(item);
    if (!n) {
      Report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "register number %1 is not a number (it reads as 0)"),
                            {Quoted(item)}));
      return true;
    }
    if (*n >= 0 && *n <= c_.registerCount) return true;
    Report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "register %1 is out of range (0 to %2)"),
                          {IntToStr(*n), IntToStr(c_.registerCount)}));
    return false;
  }

  // "#n" stands for register n only when n is below the register count;
  // otherwise the text after "#" is used as it is.
  void RegisterReference(std::string_view item) {
    const int32_t n = IntOr(item.substr(1), 0);
    if (n < 0 || n >= c_.registerCount)
      Report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "%1 names no register (0 to %2): %3 is used as it is"),
                            {Quoted(item), IntToStr(c_.registerCount - 1), Quoted(item.substr(1))}));
  }

  // "regtxt=": the text goes on over the following lines until one holds an
  // apostrophe; those lines are text, not commands.
  void QuotedText(std::string_view item) {
    std::string_view piece = item;
    if (StartsWith(piece, "'")) piece.remove_prefix(1);
    if (piece.find('\'') != std::string_view::npos) return;
    for (size_t i = at_ + 1; i < lines_.size(); ++i) {
      if (lines_[i].find('\'') != std::string::npos) {
        at_ = i;
        return;
      }
    }
    Report(TranslatedUtf8(
        QT_TRANSLATE_NOOP("Check", "text never closed by an apostrophe: it takes the rest of the script")));
    at_ = lines_.size();
  }

  const std::string& file_;
  const StringList& lines_;
  CheckContext& c_;
  Findings& out_;
  std::vector<std::string_view> labels_;
  size_t at_ = 0;
};

}  // namespace

void CheckScript(const std::string& file, const StringList& lines, CheckContext& context, Findings& out) {
  ScriptWalk(file, lines, context, out).Run();
}

}  // namespace lumora
