// The saved game's files: registers (.rgs), object table (.obx), object keys (.obz).
#pragma once
#include <string>

#include "core/platform.h"
#include "core/state_writer.h"
#include "form/game_state.h"

namespace lumora {

// Loads G.rgs, G.obz and G.obx, each from the state folder when the player's
// copy is there, else from the game folder; the keys in list-box order; raises
// ScriptError naming the first file that is missing. Marks each list loaded.
// The registers are taken as the file has them, not padded. When none of the
// three exists anywhere, the game is new: every list empty, a trace line, and
// true returned.
bool LoadGameState(GameState& state, const std::string& gameFolder, const std::string& stateFolder,
                   const std::string& game);

// Saves the registers (.rgs), the object table (.obx), or both as one moment as
// every run's end does; a line break inside a value is stored as the text code
// for one. The lists are taken now and written by the writer, in order, while
// the game goes on: a file that cannot be written is its failure, which
// ReportSaveFailure shows.
void SaveRegisters(StateWriter& writer, const GameState& state, const std::string& folder, const std::string& game);
void SaveObjectTable(StateWriter& writer, const GameState& state, const std::string& folder,
                     const std::string& game);
void SaveRegistersAndObjects(StateWriter& writer, const GameState& state, const std::string& folder,
                             const std::string& game);

// Registers, object table and object keys, as shutdown writes them.
void SaveGameTogether(StateWriter& writer, const GameState& state, const std::string& folder,
                      const std::string& game);

// Shows the writer's failure, if a save failed since the last look, in the
// player's error box: "Cannot create file ...".
void ReportSaveFailure(StateWriter& writer, Platform& platform);

// The saving functions take the folder written to, the state folder. The two or
// three files of a save are written as one moment, through a commit record
// beside them. At start, a save a kill cut short is finished when its
// record is whole and forgotten otherwise; true when one was finished.
bool RecoverInterruptedSave(const std::string& folder, const std::string& game);

}  // namespace lumora
