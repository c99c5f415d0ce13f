// The eight exits of the current place, each a script reference or empty, and
// the direction words that name them.
#pragma once
#include <string>
#include <string_view>

namespace lumora {

struct Exits {
  std::string norte, sul, leste, oeste, subir, descer, entrar, sair;
  void Clear() { *this = Exits{}; }
};

// The direction words, as "getdir", "ifdir=" and the symbolic names ("@" + word)
// know them, with the exit each names.
struct DirectionWord {
  std::string_view word;
  std::string Exits::*exit;
};
inline constexpr DirectionWord kDirectionWords[] = {
    {"norte", &Exits::norte}, {"sul", &Exits::sul},       {"leste", &Exits::leste},   {"oeste", &Exits::oeste},
    {"entrar", &Exits::entrar}, {"sair", &Exits::sair},   {"subir", &Exits::subir},   {"descer", &Exits::descer},
};

// The exit a direction word names, or nullptr for any other word.
inline const std::string* ExitOfWord(const Exits& exits, std::string_view word) {
  for (const DirectionWord& d : kDirectionWords)
    if (d.word == word) return &(exits.*d.exit);
  return nullptr;
}

}  // namespace lumora
