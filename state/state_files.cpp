// Loading and saving the saved game: registers, object table, object keys.
#include "state/state_files.h"

#include <cerrno>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/text1252.h"
#include "state/object_keys.h"
#include "view/text_codes.h"

namespace lumora {
namespace {

void LoadList(StringList& list, const std::string& folder, const std::string& name) {
  StringList lines;
  if (!LoadLines(ResolvePath(folder, name), lines))
    throw FileError(FileAction::Open, Cp1252FromUtf8(folder) + name, errno);
  list = std::move(lines);
}

void SaveList(const StringList& list, const std::string& folder, const std::string& name) {
  if (!SaveLinesAtomic(ResolvePath(folder, name), list))
    throw FileError(FileAction::Create, Cp1252FromUtf8(folder) + name, errno);
}

// A value holding a line break would come back as two lines and shift every
// later register or record: each CR LF, lone CR or lone LF is stored as the text
// code for a line break, which the display commands turn back into one.
StringList WithStoredLineBreaks(const StringList& values) {
  StringList stored = values;
  for (std::string& v : stored) {
    if (v.find_first_of("\r\n") == std::string::npos) continue;
    std::string out;
    out.reserve(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
      if (v[i] == '\r' && i + 1 < v.size() && v[i + 1] == '\n') ++i;
      out += (v[i] == '\r' || v[i] == '\n') ? kCodeBreak : v[i];
    }
    v = std::move(out);
  }
  return stored;
}

}  // namespace

void LoadGameState(GameState& state, const std::string& folder, const std::string& game) {
  LoadList(state.registers, folder, game + ".rgs");
  PadRegisters(state);
  state.registersLoaded = true;
  LoadList(state.objs, folder, game + ".obz");
  SortObjectKeys(state.objs);  // the list box sorts the keys as they are added
  state.objsLoaded = true;
  LoadList(state.objectTable, folder, game + ".obx");
  state.objectTableLoaded = true;
}

void SaveRegisters(const GameState& state, const std::string& folder, const std::string& game) {
  if (state.registersLoaded) SaveList(WithStoredLineBreaks(state.registers), folder, game + ".rgs");
}

void SaveObjectTable(const GameState& state, const std::string& folder, const std::string& game) {
  if (state.objectTableLoaded) SaveList(WithStoredLineBreaks(state.objectTable), folder, game + ".obx");
}

void SaveRegistersAndObjects(const GameState& state, const std::string& folder, const std::string& game) {
  SaveRegisters(state, folder, game);
  SaveObjectTable(state, folder, game);
}

void SaveObjectKeys(const GameState& state, const std::string& folder, const std::string& game) {
  if (state.objsLoaded) SaveList(state.objs, folder, game + ".obz");
}

}  // namespace lumora
