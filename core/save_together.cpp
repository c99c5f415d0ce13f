// The commit record that turns several atomic renames into one save.
#include "core/save_together.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/paths.h"

namespace lumora {
namespace {

constexpr const char* kEndMark = "end";

// The renames are durable only once the folder itself is synced.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool IsPlainFile(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void RemoveAll(const std::vector<std::string>& paths) {
  const int error = errno;  // the caller reports the first failure's reason
  for (const auto& p : paths) std::remove(p.c_str());
  errno = error;
}

}  // namespace

bool SaveLinesTogether(const std::string& recordPath, const std::vector<FileToSave>& files) {
  const std::string folder = FolderOf(recordPath);
  std::vector<std::string> temps;
  StringList record;
  for (const auto& file : files) {
    temps.push_back(TemporaryPathOf(file.path));
    record.push_back(FileNameOf(file.path));
    if (!WriteFreshFile(temps.back(), JoinLines(*file.lines))) {
      RemoveAll(temps);
      return false;
    }
  }
  record.push_back(kEndMark);
  // From the moment the record is in place the save counts as made.
  if (!SaveLinesAtomic(recordPath, record)) {
    RemoveAll(temps);
    return false;
  }
  SyncFolder(folder);
  bool ok = true;
  for (size_t i = 0; i < files.size(); ++i) ok = std::rename(temps[i].c_str(), files[i].path.c_str()) == 0 && ok;
  SyncFolder(folder);
  // A rename that failed stays in the record, for the next start to finish.
  if (ok) std::remove(recordPath.c_str());
  return ok;
}

bool RecoverSavedTogether(const std::string& recordPath, const std::vector<std::string>& targets) {
  StringList record;
  const bool whole = LoadLines(recordPath, record) && !record.empty() && record.back() == kEndMark;
  if (whole) {
    const std::string folder = FolderOf(recordPath);
    record.pop_back();
    for (const auto& target : targets) {
      // A line naming "../x" or any file but the targets is not of our making.
      if (std::find(record.begin(), record.end(), FileNameOf(target)) == record.end()) continue;
      if (IsPlainFile(TemporaryPathOf(target))) std::rename(TemporaryPathOf(target).c_str(), target.c_str());
    }
    SyncFolder(folder);
  }
  // What is left is an old save's or not ours: the next save makes its own.
  for (const auto& target : targets) std::remove(TemporaryPathOf(target).c_str());
  std::remove(recordPath.c_str());
  return whole;
}

}  // namespace lumora
