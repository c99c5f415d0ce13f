// The eight exits of the current place, each a script reference or empty.
#pragma once
#include <string>

namespace lumora {

struct Exits {
  std::string norte, sul, leste, oeste, subir, descer, entrar, sair;
  void Clear() { *this = Exits{}; }
};

}  // namespace lumora
