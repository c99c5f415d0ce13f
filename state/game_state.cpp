// Loading and saving the saved game: registers, object table, object keys.
#include "state/game_state.h"

#include "core/paths.h"
#include "core/script_error.h"
#include "core/text1252.h"

namespace lumora {
namespace {

void LoadList(StringList& list, const std::string& folder, const std::string& name) {
  StringList lines;
  if (!LoadLines(ResolvePath(folder, name), lines))
    throw ScriptError("Cannot open file \"" + Cp1252FromUtf8(folder) + name + "\". No such file or directory");
  list = std::move(lines);
}

void SaveList(const StringList& list, const std::string& folder, const std::string& name) {
  if (!SaveLinesAtomic(ResolvePath(folder, name), list))
    throw ScriptError("Cannot create file \"" + Cp1252FromUtf8(folder) + name + "\"");
}

}  // namespace

void ResetRegisters(GameState& state) {
  state.registers.assign(static_cast<size_t>(std::max(0, state.registerCount) + 1), std::string());
}

void PadRegisters(GameState& state) {
  const size_t want = static_cast<size_t>(std::max(0, state.registerCount) + 1);
  if (state.registers.size() < want) state.registers.resize(want);
}

void LoadGameState(GameState& state, const std::string& folder, const std::string& game) {
  LoadList(state.registers, folder, game + ".rgs");
  PadRegisters(state);
  state.registersLoaded = true;
  LoadList(state.objs, folder, game + ".obz");
  state.objsLoaded = true;
  LoadList(state.objectTable, folder, game + ".obx");
  state.objectTableLoaded = true;
}

void SaveRegistersAndObjects(const GameState& state, const std::string& folder, const std::string& game) {
  if (state.registersLoaded) SaveList(state.registers, folder, game + ".rgs");
  if (state.objectTableLoaded) SaveList(state.objectTable, folder, game + ".obx");
}

void SaveObjectKeys(const GameState& state, const std::string& folder, const std::string& game) {
  if (state.objsLoaded) SaveList(state.objs, folder, game + ".obz");
}

}  // namespace lumora
