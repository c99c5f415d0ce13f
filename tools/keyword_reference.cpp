// The keyword reference, made from the keyword table alone so that it cannot
// fall out of step with what the interpreter and the checker know.
#include "tools/keyword_reference.h"

#include <span>
#include <vector>

#include "core/translation.h"
#include "script/keyword_table.h"

namespace lumora {
namespace {

struct KindName {
  char kind;
  const char* name;  // one word: the reference writes arguments as the script does, joined by commas
};

constexpr KindName kKindNames[] = {
    {'l', QT_TRANSLATE_NOOP("Keyword", "label")},
    {'s', QT_TRANSLATE_NOOP("Keyword", "script")},
    {'g', QT_TRANSLATE_NOOP("Keyword", "script|:label")},
    {'v', QT_TRANSLATE_NOOP("Keyword", "vocabulary")},
    {'p', QT_TRANSLATE_NOOP("Keyword", "picture")},
    {'w', QT_TRANSLATE_NOOP("Keyword", "sound")},
    {'m', QT_TRANSLATE_NOOP("Keyword", "music")},
    {'r', QT_TRANSLATE_NOOP("Keyword", "register")},
    {'o', QT_TRANSLATE_NOOP("Keyword", "object")},
    {'t', QT_TRANSLATE_NOOP("Keyword", "text...'")},
    {'c', QT_TRANSLATE_NOOP("Keyword", "command,...")},
    {'n', QT_TRANSLATE_NOOP("Keyword", "number")},
    {'k', QT_TRANSLATE_NOOP("Keyword", "colour")},
    {'a', QT_TRANSLATE_NOOP("Keyword", "place")},
    {'.', QT_TRANSLATE_NOOP("Keyword", "text")},
};

// Adjacent rows of one command with one description: "fim" and "end".
std::vector<std::span<const KeywordRow>> Entries() {
  const std::span<const KeywordRow> table = KeywordTable();
  std::vector<std::span<const KeywordRow>> entries;
  size_t first = 0;
  for (size_t i = 1; i <= table.size(); ++i) {
    if (i < table.size() && table[i].handler == table[first].handler &&
        std::string_view(table[i].description) == table[first].description)
      continue;
    entries.push_back(table.subspan(first, i - first));
    first = i;
  }
  return entries;
}

std::string Translated(const char* text) { return translate("Keyword", text).toStdString(); }

// roff text: a backslash is written \e, a minus \- (a plain "-" may be set as
// a hyphen), and a line may not begin with a control character.
std::string Roff(std::string_view text) {
  std::string out = text.starts_with('.') || text.starts_with('\'') ? "\\&" : "";
  for (char c : text) {
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else out += c;
  }
  return out;
}

// ".BI" alternates bold and italic: the keyword and the commas are written as
// they are, the argument names stand for what goes there. A long list breaks
// after a comma (\:), never inside a name (\%).
std::string ManSynopsis(const KeywordRow& row) {
  const std::string_view kinds = row.arguments.kinds;
  if (kinds.empty()) return ".B " + Roff(row.keyword) + "\n";
  std::string line = ".BI \"" + Roff(row.keyword) + " \"";
  for (size_t k = 0; k < kinds.size(); ++k) {
    if (k > 0) line += " \",\\:\"";
    line += " \"\\%" + Roff(ArgumentName(kinds[k])) + "\"";
  }
  return line + "\n";
}

// A description for a terminal: indented, broken at blanks to fit 80 columns
// (counted in characters, not bytes: the Portuguese text has accents).
std::string Indented(const std::string& text) {
  constexpr int kWidth = 80 - 4;
  std::string out;
  QString line;
  for (const QString& word : QString::fromStdString(text).split(' ', Qt::SkipEmptyParts)) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > kWidth) {
      out += "    " + line.toStdString() + "\n";
      line.clear();
    }
    line += (line.isEmpty() ? "" : " ") + word;
  }
  return out + "    " + line.toStdString() + "\n";
}

std::string TextSynopsis(const KeywordRow& row) {
  std::string line(row.keyword);
  const std::string_view kinds = row.arguments.kinds;
  for (size_t k = 0; k < kinds.size(); ++k)
    line += (k == 0 ? " " : ",") + QString::fromStdString(ArgumentName(kinds[k])).toUpper().toStdString();
  return line + "\n";
}

}  // namespace

std::string ArgumentName(char kind) {
  for (const KindName& k : kKindNames)
    if (k.kind == kind) return Translated(k.name);
  return "";
}

std::string KeywordReference(ReferenceFormat format) {
  std::string out;
  if (format == ReferenceFormat::Text)
    out = Translated(QT_TRANSLATE_NOOP("Keyword",
                                       "The script commands: the keyword, a blank, then the arguments joined by commas\n"
                                       "with no blanks between them (a blank belongs to the argument). #n stands for\n"
                                       "register n's value.\n\n"));
  for (const std::span<const KeywordRow> entry : Entries()) {
    for (size_t i = 0; i < entry.size(); ++i) {
      if (format == ReferenceFormat::Man) out += i == 0 ? ".TP\n" : ".TQ\n";
      out += format == ReferenceFormat::Man ? ManSynopsis(entry[i]) : TextSynopsis(entry[i]);
    }
    const std::string description = Translated(entry[0].description);
    out += format == ReferenceFormat::Man ? Roff(description) + "\n" : Indented(description);
  }
  return out;
}

}  // namespace lumora
