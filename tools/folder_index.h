// The files of a game folder, listed once, for the checker's many look-ups.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace lumora {

// How a name a script gives finds its file.
enum class Presence { Exact, OtherCase, Missing };

// The checker asks about every picture, sound and script a game names; listing
// the folder once answers each in constant time, as the path resolver would.
class FolderIndex {
 public:
  explicit FolderIndex(std::string folder);  // native path ending with "/"
  // A Windows-1252 name relative to the folder: found as written, found only
  // through the case-insensitive look-up (then `actual`, when given, is the
  // file's real name), or not at all.
  Presence Find(std::string_view name, std::string* actual = nullptr) const;
  // The file names (UTF-8) in the folder, sorted.
  const std::vector<std::string>& Names() const { return names_; }
  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  std::vector<std::string> names_;
  std::unordered_set<std::string> exact_;
  std::unordered_map<std::string, std::string> folded_;
};

}  // namespace lumora
