// The label index of the running script: where each label line first occurs.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/string_list.h"

namespace lumora {

// A jump looks for the first line whose trimmed text is ":" + name. Scanning
// every line on every jump makes loops in long scripts slow, so the first
// index of each label line is kept and rebuilt only when the script lines
// change.
//
// The lines change only when a script is loaded (RunScript, "script",
// "gosub", "return"), and each of those bumps ScriptRun::linesGeneration.
// The index is keyed on that generation and also on the list's data pointer
// and size, so a replacement that forgets the bump is still noticed in almost
// every case. A hit is checked against the line itself before it is trusted
// and a miss is looked up once more on freshly indexed lines, so a stale index
// can never send a jump to a line that is not the label nor lose one.
class LabelIndex {
 public:
  // The index of the first line whose trimmed text equals labelLine exactly,
  // or -1.
  int Find(const StringList& lines, uint64_t generation, std::string_view labelLine);
  // The same for the label line ":" + name, without building that text.
  int FindName(const StringList& lines, uint64_t generation, std::string_view name);

 private:
  void Rebuild(const StringList& lines, uint64_t generation);

  // Looked up by views: a jump in a loop allocates nothing.
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };
  // Keyed by the label's name, the text after the ":".
  std::unordered_map<std::string, int, Hash, std::equal_to<>> first_;
  // The label found last: a loop jumps to the same one on every turn.
  std::string lastName_;
  int lastLine_ = -1;
  bool built_ = false;
  uint64_t generation_ = 0;
  const std::string* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace lumora
