// The path resolver.
#include "core/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include <QString>

#include "core/text1252.h"

namespace lumora {
namespace {

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The entry of dir whose name equals want without regard to case, or "".
std::string FindCaseless(const std::string& dir, const std::string& want) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return {};
  const QString key = QString::fromUtf8(want).toCaseFolded();
  std::string found;
  while (dirent* e = ::readdir(d)) {
    if (QString::fromUtf8(e->d_name).toCaseFolded() == key) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

// Resolves the components of a relative name one by one below folder.
std::string ResolveCaseless(const std::string& folder, const std::string& name) {
  std::string path = folder;
  size_t start = 0;
  while (start <= name.size()) {
    const size_t slash = name.find('/', start);
    const std::string part = name.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    if (!part.empty()) {
      std::string next = path + part;
      if (!Exists(next)) {
        const std::string match = FindCaseless(path, part);
        if (match.empty()) return {};
        next = path + match;
      }
      path = next;
    }
    if (slash == std::string::npos) break;
    path += '/';
    start = slash + 1;
  }
  return path;
}

}  // namespace

std::string ResolvePath(const std::string& folder, std::string_view name) {
  std::string raw(name);
  for (char& c : raw)
    if (c == '\\') c = '/';
  const std::string utf8 = Utf8FromCp1252(raw);
  if (Exists(folder + utf8)) return folder + utf8;
  const std::string caseless = ResolveCaseless(folder, utf8);
  if (!caseless.empty()) return caseless;
  if (Exists(folder + raw)) return folder + raw;
  return folder + utf8;
}

bool InsideFolder(std::string_view name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':')) return false;
  size_t start = 0;
  while (start <= name.size()) {
    const size_t end = name.find_first_of("/\\", start);
    const size_t stop = end == std::string_view::npos ? name.size() : end;
    if (name.substr(start, stop - start) == "..") return false;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return true;
}

namespace {

// The path with links followed and "." and ".." gone, as far as it exists; the
// rest as written, normalized. Empty parts (a trailing "/") are dropped.
std::vector<std::string> RealParts(const std::string& path, bool& ok) {
  std::error_code error;
  const std::filesystem::path real = std::filesystem::weakly_canonical(path.empty() ? "." : path, error);
  ok = !error;
  std::vector<std::string> parts;
  for (const auto& part : real)
    if (!part.empty()) parts.push_back(part.string());
  return parts;
}

}  // namespace

bool ReallyInsideFolder(const std::string& folder, std::string_view name) {
  if (!InsideFolder(name)) return false;
  bool folderOk = false, targetOk = false;
  const std::vector<std::string> root = RealParts(folder, folderOk);
  const std::vector<std::string> where = RealParts(FolderOf(ResolvePath(folder, name)), targetOk);
  return folderOk && targetOk && where.size() >= root.size() && std::equal(root.begin(), root.end(), where.begin());
}

bool ReallyReadsInsideFolder(const std::string& folder, const std::string& path) {
  if (folder.empty() || path.empty() || path[0] != '/') return false;
  std::error_code folderError, pathError;
  const std::filesystem::path root = std::filesystem::canonical(folder, folderError);
  const std::filesystem::path real = std::filesystem::canonical(path, pathError);
  if (folderError || pathError) return false;
  auto at = real.begin();
  for (const auto& part : root) {
    if (at == real.end() || *at != part) return false;
    ++at;
  }
  return true;
}

bool SameRealFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

bool FileExists(const std::string& folder, std::string_view name) {
  return IsRegularFile(ResolvePath(folder, name));
}

bool FolderWritable(const std::string& folder) {
  // Creating and renaming a file needs both the right to write the folder and
  // the right to search it; a read-only file system answers no as well.
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

const std::string& StateReadFolder(const std::string& gameFolder, const std::string& stateFolder,
                                   std::string_view name) {
  if (stateFolder.empty() || stateFolder == gameFolder) return gameFolder;
  return FileExists(stateFolder, name) ? stateFolder : gameFolder;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace lumora
