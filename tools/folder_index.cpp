// The game folder's file list and the look-ups of the checker.
#include "tools/folder_index.h"

#include <dirent.h>

#include <QString>
#include <algorithm>

#include "core/paths.h"
#include "core/text1252.h"

namespace lumora {
namespace {

std::string Folded(const std::string& utf8) { return QString::fromUtf8(utf8).toCaseFolded().toStdString(); }

}  // namespace

FolderIndex::FolderIndex(std::string folder) : folder_(std::move(folder)) {
  if (DIR* d = ::opendir(folder_.empty() ? "." : folder_.c_str())) {
    while (dirent* e = ::readdir(d)) {
      const std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      names_.push_back(name);
    }
    ::closedir(d);
  }
  std::sort(names_.begin(), names_.end());
  for (const std::string& name : names_) {
    exact_.insert(name);
    folded_.emplace(Folded(name), name);  // the first in sorted order, as a listing would meet it
  }
}

Presence FolderIndex::Find(std::string_view name, std::string* actual) const {
  if (name.empty()) return Presence::Missing;
  std::string raw(name);
  std::replace(raw.begin(), raw.end(), '\\', '/');
  if (raw.find('/') != std::string::npos) {
    // A name in a subfolder: rare, so the path resolver itself answers.
    if (!FileExists(folder_, raw)) return Presence::Missing;
    const std::string path = ResolvePath(folder_, raw);
    if (path == folder_ + Utf8FromCp1252(raw)) return Presence::Exact;
    if (actual) *actual = path.substr(folder_.size());
    return Presence::OtherCase;
  }
  const std::string utf8 = Utf8FromCp1252(raw);
  if (exact_.count(utf8) || exact_.count(raw)) return Presence::Exact;
  const auto it = folded_.find(Folded(utf8));
  if (it == folded_.end()) return Presence::Missing;
  if (actual) *actual = it->second;
  return Presence::OtherCase;
}

}  // namespace lumora
