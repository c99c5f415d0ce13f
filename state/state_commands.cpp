// Saving and resetting the game state: "saveregs", "saveobjs", "reset".
#include "state/state_commands.h"

#include <algorithm>
#include <cstdio>

#include "core/paths.h"
#include "form/form1.h"
#include "state/object_rebuild.h"
#include "state/state_files.h"

namespace lumora {
namespace {

// Registers 0 to register count - 1 become empty; the last one, numbered
// register count, keeps its value.
void ResetRegisterValues(GameState& state) {
  const size_t count = std::min(state.registers.size(), static_cast<size_t>(std::max(0, state.registerCount)));
  for (size_t n = 0; n < count; ++n) state.registers[n].clear();
}

void DeleteSavedMap(TForm3& t, const std::string& name) {
  if (name.empty()) return;
  // A name climbing out of the game folder, or through a folder link the game
  // ships, could delete any file of the player's.
  if (!ReallyInsideFolder(t.f.stateFolder, name)) {
    t.traceLine += kOutsideFolderTrace;
    return;
  }
  // Only the player's map goes: a game's own map of that name (one beside a
  // game that cannot be written) is what loading falls back to. In its turn
  // among the saves: a map still to be written must not come back after it.
  t.f.writer.Remove(ResolvePath(t.f.stateFolder, name));
  t.f.map.savedNames.insert(name);
}

}  // namespace

void CmdSaveRegs(TForm3& t) { SaveRegisters(t.f.writer, t.f.state, t.f.stateFolder, t.f.gameName); }

void CmdSaveObjs(TForm3& t) { SaveObjectTable(t.f.writer, t.f.state, t.f.stateFolder, t.f.gameName); }

void CmdReset(TForm3& t) {
  const std::string& what = t.arg[0];
  t.traceLine += what;
  if (what == "objs")
    RebuildObjectRecords(t.f.writer, t.f.state, t.f.gameFolder, t.f.stateFolder, t.f.gameName, t.arg[1]);
  else if (what == "regs")
    ResetRegisterValues(t.f.state);
  else if (what == "mapa")
    DeleteSavedMap(t, t.arg[1]);
}

}  // namespace lumora
