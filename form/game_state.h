// The game state: registers, the object table and the object keys.
#pragma once
#include <string>

#include "core/string_list.h"

namespace lumora {

struct GameState {
  int registerCount = 250;
  StringList registers;    // register n is entry n; register count + 1 entries
  StringList objectTable;  // 8 lines per object
  StringList objs;         // the object keys, kept sorted (the list box `Objs`)
  StringList names;        // the global name list of the object listing
  // Which lists were loaded whole from the saved game: only those are written
  // back at shutdown, so a game that never loaded keeps its saved files.
  bool registersLoaded = false, objectTableLoaded = false, objsLoaded = false;
};

// Register count + 1 empty registers, as the form creates them.
void ResetRegisters(GameState& state);

// Pads the registers with empty entries up to register count + 1, so no register
// number in range can fail.
void PadRegisters(GameState& state);

}  // namespace lumora
