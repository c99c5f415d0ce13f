// The label index: the first line of each label, rebuilt when the lines change.
#include "command/label_index.h"

#include "core/strings.h"

namespace lumora {

void LabelIndex::Rebuild(const StringList& lines, uint64_t generation) {
  first_.clear();
  lastLine_ = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view text = TrimView(lines[i]);
    // emplace keeps the first line of a label that occurs twice.
    if (StartsWith(text, ":")) first_.emplace(text.substr(1), static_cast<int>(i));
  }
  built_ = true;
  generation_ = generation;
  data_ = lines.data();
  size_ = lines.size();
}

int LabelIndex::Find(const StringList& lines, uint64_t generation, std::string_view labelLine) {
  return StartsWith(labelLine, ":") ? FindName(lines, generation, labelLine.substr(1)) : -1;
}

namespace {

// Whether the texts are the same, byte for byte: labels are a few bytes, which
// a loop compares on every turn, cheaper here than through a call.
bool Same(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

}  // namespace

int LabelIndex::FindName(const StringList& lines, uint64_t generation, std::string_view name) {
  if (!built_ || generation != generation_ || lines.data() != data_ || lines.size() != size_)
    Rebuild(lines, generation);
  auto holds = [&](int at) {
    const std::string_view line = TrimView(lines[static_cast<size_t>(at)]);
    return !line.empty() && line[0] == ':' && Same(line.substr(1), name);
  };
  if (lastLine_ >= 0 && Same(name, lastName_) && holds(lastLine_)) return lastLine_;
  auto it = first_.find(name);
  if (it != first_.end() && holds(it->second)) {
    lastName_.assign(name);
    lastLine_ = it->second;
    return it->second;
  }
  // A miss or a hit that no longer holds: look once more on fresh lines.
  Rebuild(lines, generation);
  it = first_.find(name);
  return it == first_.end() ? -1 : it->second;
}

}  // namespace lumora
