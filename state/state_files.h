// The saved game's files: registers (.rgs), object table (.obx), object keys (.obz).
#pragma once
#include <string>

#include "form/game_state.h"

namespace lumora {

// Loads G.rgs, G.obz and G.obx, each from the state folder when the player's
// copy is there, else from the game folder; the keys in list-box order; raises
// ScriptError naming the first file that is missing. Marks each list loaded.
// The registers are taken as the file has them, not padded.
void LoadGameState(GameState& state, const std::string& gameFolder, const std::string& stateFolder,
                   const std::string& game);

// Saves the registers (.rgs), the object table (.obx), or both as one moment as
// every run's end does; a line break inside a value is stored as the text code for one. Raises
// ScriptError when a file cannot be written.
void SaveRegisters(const GameState& state, const std::string& folder, const std::string& game);
void SaveObjectTable(const GameState& state, const std::string& folder, const std::string& game);
void SaveRegistersAndObjects(const GameState& state, const std::string& folder, const std::string& game);

// Registers, object table and object keys, as shutdown writes them.
void SaveGameTogether(const GameState& state, const std::string& folder, const std::string& game);

// The saving functions take the folder written to, the state folder. The two or
// three files of a save are written as one moment, through a commit record
// beside them. At start, a save a kill cut short is finished when its
// record is whole and forgotten otherwise; true when one was finished.
bool RecoverInterruptedSave(const std::string& folder, const std::string& game);

}  // namespace lumora
