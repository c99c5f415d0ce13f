// The label listing and label references of the trace.
#include "script/labels.h"

#include "core/strings.h"

namespace lumora {

std::string LabelListing(const StringList& lines) {
  std::string out;
  for (const auto& line : lines) {
    const std::string t = Trim(line);
    if (StartsWith(t, ":") && !Contains(t, " ")) out += t + " ";
  }
  return out.empty() ? "Este script n\xE3o tem labels!" : out;
}

std::string LabelReferences(const StringList& lines, std::string_view labelLine) {
  std::string name = Trim(labelLine);
  if (StartsWith(name, ":")) name.erase(0, 1);
  std::string numbers;
  int count = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (Contains(lines[i], name)) {
      ++count;
      numbers += IntToStr(static_cast<int64_t>(i)) + " ";
    }
  }
  if (count == 0) return "N\xE3o encontrei refer\xEAncia a este label!";
  if (count == 1) return "Refer\xEAncia na linha: " + numbers;
  return IntToStr(count) + "x nas linhas: " + numbers;
}

}  // namespace lumora
