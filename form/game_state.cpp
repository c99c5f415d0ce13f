// The registers' size: count + 1 entries.
#include "form/game_state.h"

#include <algorithm>

namespace lumora {

namespace {

// Counted in size_t: a count of INT_MAX plus one must not overflow.
size_t RegisterEntries(const GameState& state) { return static_cast<size_t>(std::max(0, state.registerCount)) + 1; }

}  // namespace

void ResetRegisters(GameState& state) { state.registers.assign(RegisterEntries(state), std::string()); }

void PadRegisters(GameState& state) {
  const size_t want = RegisterEntries(state);
  if (state.registers.size() < want) state.registers.resize(want);
}

}  // namespace lumora
