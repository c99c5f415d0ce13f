// String list files.
#include "core/string_list.h"

#include <cerrno>
#include <cstdio>
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

bool SaveLinesAtomic(const std::string& path, const StringList& lines) {
  const std::string tmp = path + ".tmp~";
  const std::string text = JoinLines(lines);
  FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fflush(f) == 0 && ok;
  ok = fsync(fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (ok) ok = std::rename(tmp.c_str(), path.c_str()) == 0;
  if (!ok) {
    const int error = errno;  // the reason, for the caller's message
    std::remove(tmp.c_str());
    errno = error;
  }
  return ok;
}

}  // namespace lumora
