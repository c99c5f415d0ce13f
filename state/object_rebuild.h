// Rebuilding object records from the object files key + ".obj".
#pragma once
#include <string>

#include "core/state_writer.h"
#include "form/game_state.h"

namespace lumora {

// With key empty or "todos": the table becomes one record per key of Objs, in
// that order, each the first 8 lines of gameFolder + key + ".obj" (the game's
// originals: no object file is ever written). With any other key: the record at
// every position that key holds in Objs becomes the first 8 lines of its file.
// Then the table is handed to the writer, to be saved as stateFolder + game + ".obx".
// A missing file, a file of fewer than 8 lines or a table too short for a key's
// position raises ScriptError naming it, before anything has changed.
void RebuildObjectRecords(StateWriter& writer, GameState& state, const std::string& gameFolder,
                          const std::string& stateFolder, const std::string& game, const std::string& key);

}  // namespace lumora
