// Vocabulary file: parsing, look-up, suggestions and the cache by file identity.
#include "input/vocabulary.h"

#include <sys/stat.h>

#include <cerrno>
#include <ctime>
#include <cstring>

#include "core/script_error.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "core/text1252.h"

namespace lumora {
namespace {

constexpr int kMaxSuggestions = 12;
// A file younger than this may still change without its modification time moving.
constexpr int64_t kSettleSeconds = 2;

[[noreturn]] void CannotOpen(const std::string& path, int error) {
  throw FileError(FileAction::Open, Cp1252FromUtf8(path), error);
}

}  // namespace

Vocabulary ParseVocabulary(std::string_view bytes) {
  Vocabulary v;
  const StringList lines = SplitLines(bytes);
  v.lines.reserve(lines.size());
  v.firstLine.reserve(lines.size());
  for (const std::string& line : lines) {
    const size_t bar = line.find('|');
    VocabularyLine entry;
    if (bar == std::string::npos) {
      entry.script = Trim(line);
    } else {
      entry.phrase = line.substr(0, bar);
      entry.script = Trim(std::string_view(line).substr(bar + 1));
    }
    v.firstLine.emplace(Trim(entry.phrase), v.lines.size());  // an earlier line keeps its place
    v.lines.push_back(std::move(entry));
  }
  return v;
}

std::string Vocabulary::LookUp(const std::string& command) const {
  const auto it = firstLine.find(command);
  return it == firstLine.end() ? std::string() : lines[it->second].script;
}

std::string Vocabulary::Suggest(const std::string& word1, const std::string& word2) const {
  std::string out;
  if (word1.empty()) return out;
  int count = 0;
  for (const VocabularyLine& line : lines) {
    if (count == kMaxSuggestions) break;
    const std::string& phrase = line.phrase;
    if (phrase.empty() || phrase[0] == '/') continue;
    if (!Contains(phrase, word1)) continue;
    if (!word2.empty() && !Contains(phrase, word2)) continue;
    out += phrase;
    out += "\r\n";
    ++count;
  }
  return out;
}

std::shared_ptr<const Vocabulary> VocabularyCache::Read(const std::string& path) {
  // The file's identity is taken before its bytes are read: a change in between
  // is stored under the older key and read again next time.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) CannotOpen(path, errno);
  if (!S_ISREG(st.st_mode)) CannotOpen(path, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
  const Key key{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), static_cast<int64_t>(st.st_size),
                static_cast<int64_t>(st.st_mtim.tv_sec), static_cast<int64_t>(st.st_mtim.tv_nsec)};
  const bool same = vocabulary_ && path == path_;
  if (same && settled_ && key == key_) return vocabulary_;
  std::string bytes;
  errno = 0;
  if (!ReadFileBytes(path, bytes)) CannotOpen(path, errno ? errno : EACCES);
  ++reads_;
  if (!same || bytes != bytes_) {
    vocabulary_ = std::make_shared<const Vocabulary>(ParseVocabulary(bytes));
    bytes_ = std::move(bytes);
    ++parses_;
  }
  path_ = path;
  key_ = key;
  // Any later write gets a modification time past this moment, unlike key_'s.
  timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  settled_ = now.tv_sec - st.st_mtim.tv_sec > kSettleSeconds;
  return vocabulary_;
}

VocabularyCache& SharedVocabularyCache() {
  static VocabularyCache cache;
  return cache;
}

}  // namespace lumora
