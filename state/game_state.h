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

// Loads G.rgs, G.obz and G.obx from folder, the keys in list-box order; raises
// ScriptError naming the first file that is missing. Marks each list loaded.
void LoadGameState(GameState& state, const std::string& folder, const std::string& game);

// Saves the registers (.rgs), the object table (.obx), or both as every run's end
// does; a line break inside a value is stored as the text code for one. Raises
// ScriptError when a file cannot be written.
void SaveRegisters(const GameState& state, const std::string& folder, const std::string& game);
void SaveObjectTable(const GameState& state, const std::string& folder, const std::string& game);
void SaveRegistersAndObjects(const GameState& state, const std::string& folder, const std::string& game);

// Saves the object keys (.obz).
void SaveObjectKeys(const GameState& state, const std::string& folder, const std::string& game);

}  // namespace lumora
