// "Did you mean": the nearest keyword, label or name.
#include "tools/suggest.h"

#include <algorithm>
#include <cctype>

#include "core/strings.h"
#include "script/keyword_table.h"

namespace lumora {
namespace {

// Near enough to be a slip of the fingers, not another word.
bool Near(size_t distance, std::string_view word) { return distance > 0 && distance <= 2 && distance < word.size(); }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string SuggestKeyword(std::string_view word, char separator) {
  // Keywords that end in punctuation ("msg=", "reg+") are the ones an argument
  // gets run into; the longest such prefix is the one meant ("ifobj#" over "if#").
  std::string_view prefix;
  for (const KeywordRow& row : KeywordTable()) {
    const std::string_view k = row.keyword;
    if (k.size() < word.size() && !std::isalnum(static_cast<unsigned char>(k.back())) && StartsWith(word, k) &&
        k.size() > prefix.size())
      prefix = k;
  }
  if (!prefix.empty()) return std::string(prefix) + separator + std::string(word.substr(prefix.size()));
  std::string_view best;
  size_t bestDistance = 3;
  for (const KeywordRow& row : KeywordTable()) {
    if (SameIgnoringCase(row.keyword, word)) return std::string(row.keyword);
    const size_t d = EditDistance(word, row.keyword);
    if (Near(d, word) && d < bestDistance) best = row.keyword, bestDistance = d;
  }
  return std::string(best);
}

std::string Nearest(std::string_view name, const std::vector<std::string_view>& candidates) {
  const std::string_view trimmed = TrimView(name);
  std::string_view best;
  size_t bestDistance = 3;
  for (std::string_view c : candidates) {
    if (c == trimmed && c != name) return std::string(c);
    const size_t d = EditDistance(name, c);
    if (Near(d, name) && d < bestDistance) best = c, bestDistance = d;
  }
  return std::string(best);
}

}  // namespace lumora
