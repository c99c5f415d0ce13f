// The registers' size: count + 1 entries.
#include "form/game_state.h"

#include <algorithm>

namespace lumora {

void ResetRegisters(GameState& state) {
  state.registers.assign(static_cast<size_t>(std::max(0, state.registerCount) + 1), std::string());
}

void PadRegisters(GameState& state) {
  const size_t want = static_cast<size_t>(std::max(0, state.registerCount) + 1);
  if (state.registers.size() < want) state.registers.resize(want);
}

}  // namespace lumora
