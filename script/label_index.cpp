// The label index: the first line of each label, rebuilt when the lines change.
#include "script/label_index.h"

#include "core/strings.h"

namespace lumora {

void LabelIndex::Rebuild(const StringList& lines, uint64_t generation) {
  first_.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string text = Trim(lines[i]);
    // emplace keeps the first line of a label that occurs twice.
    if (StartsWith(text, ":")) first_.emplace(std::move(text), static_cast<int>(i));
  }
  built_ = true;
  generation_ = generation;
  data_ = lines.data();
  size_ = lines.size();
}

int LabelIndex::Find(const StringList& lines, uint64_t generation, std::string_view labelLine) {
  if (!built_ || generation != generation_ || lines.data() != data_ || lines.size() != size_)
    Rebuild(lines, generation);
  const std::string key(labelLine);
  auto it = first_.find(key);
  if (it != first_.end() && Trim(lines[static_cast<size_t>(it->second)]) == key) return it->second;
  // A miss or a hit that no longer holds: look once more on fresh lines.
  Rebuild(lines, generation);
  it = first_.find(key);
  return it == first_.end() ? -1 : it->second;
}

}  // namespace lumora
