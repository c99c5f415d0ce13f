// Nearest known names for the checker's "did you mean" hints.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// The number of single-byte insertions, deletions and changes from a to b.
size_t EditDistance(std::string_view a, std::string_view b);

// The keyword a word that matches no command was probably meant to be, as the
// whole corrected text, or "" when none is near. A known keyword run into its
// argument ("msg=Olá") is split with `separator` ("msg= Olá").
std::string SuggestKeyword(std::string_view word, char separator);

// The candidate nearest to `name` (at most two edits, or equal but for blanks at
// its ends), or "" when none is near.
std::string Nearest(std::string_view name, const std::vector<std::string_view>& candidates);

}  // namespace lumora
