// Rebuilding object records from their object files.
#include "state/object_rebuild.h"

#include <cerrno>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "state/object_table.h"
#include "state/state_files.h"

namespace lumora {
namespace {

// The first 8 lines of folder + key + ".obj"; lines after them are the author's.
StringList ReadObjectFile(const std::string& folder, const std::string& key) {
  const std::string name = key + ".obj";
  StringList lines;
  if (!FileExists(folder, name)) throw FileError(FileAction::Open, Cp1252FromUtf8(folder) + name, ENOENT);
  if (!LoadLines(ResolvePath(folder, name), lines)) throw FileError(FileAction::Open, Cp1252FromUtf8(folder) + name, errno);
  if (lines.size() < static_cast<size_t>(kRecordLines))
    throw ScriptError("The object file \"" + Cp1252FromUtf8(folder) + name + "\" has " +
                      IntToStr(static_cast<int64_t>(lines.size())) + " lines; an object needs " + IntToStr(kRecordLines));
  lines.resize(kRecordLines);
  return lines;
}

// Every file is read before the table changes, so a missing one leaves the
// table as it was.
void RebuildAll(GameState& state, const std::string& folder) {
  StringList table;
  table.reserve(state.objs.size() * kRecordLines);
  for (const std::string& key : state.objs) {
    const StringList record = ReadObjectFile(folder, key);
    table.insert(table.end(), record.begin(), record.end());
  }
  state.objectTable = std::move(table);
  state.objectTableLoaded = true;  // the table is whole again, whatever happened at load
}

void RebuildOne(GameState& state, const std::string& folder, const std::string& key) {
  const StringList record = ReadObjectFile(folder, key);
  const size_t needed = [&] {
    size_t n = 0;
    for (size_t k = 0; k < state.objs.size(); ++k)
      if (state.objs[k] == key) n = (k + 1) * kRecordLines;
    return n;
  }();
  if (state.objectTable.size() < needed)
    throw ScriptError("The object table has " + IntToStr(static_cast<int64_t>(state.objectTable.size())) +
                      " lines; the object " + key + " needs " + IntToStr(static_cast<int64_t>(needed)));
  for (size_t k = 0; k < state.objs.size(); ++k)
    if (state.objs[k] == key) std::copy(record.begin(), record.end(), state.objectTable.begin() + k * kRecordLines);
}

}  // namespace

void RebuildObjectRecords(StateWriter& writer, GameState& state, const std::string& gameFolder,
                          const std::string& stateFolder, const std::string& game, const std::string& key) {
  if (key.empty() || key == "todos")
    RebuildAll(state, gameFolder);
  else
    RebuildOne(state, gameFolder, key);
  SaveObjectTable(writer, state, stateFolder, game);
}

}  // namespace lumora
