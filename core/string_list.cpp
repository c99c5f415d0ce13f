// String list files.
#include "core/string_list.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace lumora {

StringList SplitLines(std::string_view text) {
  StringList lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const StringList& lines) {
  size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  bytes = std::move(buffer).str();
  return true;
}

bool LoadLines(const std::string& path, StringList& lines) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return false;
  lines = SplitLines(bytes);
  return true;
}

std::string TemporaryPathOf(const std::string& target) { return target + ".tmp~"; }

bool WriteFreshFile(const std::string& path, std::string_view bytes, bool sync) {
  // unlink removes a link itself, not what it points to.
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return false;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  if (sync) ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (!ok) {
    const int error = errno;  // the reason, for the caller's message
    ::unlink(path.c_str());
    errno = error;
  }
  return ok;
}

bool SaveBytesAtomic(const std::string& path, std::string_view bytes, bool sync) {
  const std::string tmp = TemporaryPathOf(path);
  if (!WriteFreshFile(tmp, bytes, sync)) return false;
  // rename replaces a link at path by the file; it does not follow it.
  if (std::rename(tmp.c_str(), path.c_str()) == 0) return true;
  const int error = errno;
  ::unlink(tmp.c_str());
  errno = error;
  return false;
}

bool SaveLinesAtomic(const std::string& path, const StringList& lines, bool sync) {
  return SaveBytesAtomic(path, JoinLines(lines), sync);
}

}  // namespace lumora
