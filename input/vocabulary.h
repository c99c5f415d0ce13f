// The vocabulary file of typed phrases: reading it, looking a command up, the
// suggestion list, and the cache that keeps reading it afresh cheap.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumora {

// One line "phrase|script reference". The phrase is the text before the first
// "|", untrimmed (a line without "|" has an empty phrase); the script is the
// trimmed text after it (the whole trimmed line when there is no "|").
struct VocabularyLine {
  std::string phrase;
  std::string script;
};

struct Vocabulary {
  std::vector<VocabularyLine> lines;
  // Trimmed phrase -> index of the first line that has it: the first line wins.
  std::unordered_map<std::string, size_t> firstLine;

  // The script of the first line whose trimmed phrase equals the command
  // exactly; empty when no line matches.
  std::string LookUp(const std::string& command) const;

  // At most 12 phrases, in file order, each followed by CR LF: those holding
  // word 1 (when word 2 is empty) or both words (anywhere, in any order).
  // Phrases that are empty or begin with "/" are never listed.
  std::string Suggest(const std::string& word1, const std::string& word2) const;
};

// Splits the file's bytes into lines (CR LF, LF or CR) and parses them.
Vocabulary ParseVocabulary(std::string_view bytes);

// Serves the vocabulary of a path as the file holds it now, parsing it again
// only when it changed. A file is taken as unchanged while its size,
// modification time and identity (device, inode) stay; a file modified less
// than two seconds before it was last read is compared byte for byte as well,
// since a rewrite within the file system's timestamp step keeps its time.
class VocabularyCache {
 public:
  // Raises ScriptError ("Cannot open file ...") when the path is not a
  // readable regular file.
  std::shared_ptr<const Vocabulary> Read(const std::string& path);
  int parseCount() const { return parses_; }
  int fileReadCount() const { return reads_; }

 private:
  struct Key {
    uint64_t device = 0, inode = 0;
    int64_t size = -1, mtimeSec = 0, mtimeNsec = 0;
    bool operator==(const Key&) const = default;
  };
  std::string path_, bytes_;
  Key key_;
  bool settled_ = false;  // the file was older than the margin when read
  std::shared_ptr<const Vocabulary> vocabulary_;
  int parses_ = 0, reads_ = 0;
};

// The cache the typed commands use: one per program.
VocabularyCache& SharedVocabularyCache();

}  // namespace lumora
