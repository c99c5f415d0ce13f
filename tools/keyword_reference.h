// The keyword reference: every command of the keyword table with its
// arguments and what it does, in the user's language. `lumora --keywords`
// prints it; the game-writing manual page lists it, made from the same table
// when the program is built.
#pragma once
#include <string>

namespace lumora {

enum class ReferenceFormat {
  Text,  // for a terminal: the keyword and its arguments, the description indented below
  Man,   // man(7) paragraphs for the manual page's keyword section
};

// UTF-8. Synonyms that run the same command with the same description share
// one entry.
std::string KeywordReference(ReferenceFormat format);

// What the reference calls an argument of the kind `kind` (a letter of
// ArgumentSpec), in the user's language; empty for a letter it does not know.
std::string ArgumentName(char kind);

}  // namespace lumora
