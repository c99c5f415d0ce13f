// Loading and saving the saved game: registers, object table, object keys.
#include "state/state_files.h"

#include <algorithm>
#include <cerrno>
#include <iterator>

#include "core/paths.h"
#include "core/save_together.h"
#include "core/state_writer.h"
#include "core/script_error.h"
#include "core/text1252.h"
#include "core/trace.h"
#include "state/object_keys.h"
#include "form/text_codes.h"

namespace lumora {
namespace {

constexpr const char* kStateFiles[] = {".rgs", ".obz", ".obx"};

void LoadList(StringList& list, const std::string& gameFolder, const std::string& stateFolder,
              const std::string& name) {
  const std::string& folder = StateReadFolder(gameFolder, stateFolder, name);
  StringList lines;
  if (!LoadLines(ResolvePath(folder, name), lines))
    throw FileError(FileAction::Open, Cp1252FromUtf8(folder) + name, errno);
  list = std::move(lines);
}

void SaveList(StateWriter& writer, StringList list, const std::string& folder, const std::string& name) {
  std::vector<StateWriter::File> files;
  files.push_back({ResolvePath(folder, name), std::move(list), {}, false, false});
  writer.Write("", std::move(files));
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

bool LoadGameState(GameState& state, const std::string& gameFolder, const std::string& stateFolder,
                   const std::string& game) {
  // A game shipped without any of its state files (a game being written)
  // starts as a new one; the first save makes them.
  const bool none = std::none_of(std::begin(kStateFiles), std::end(kStateFiles), [&](const char* ext) {
    return FileExists(StateReadFolder(gameFolder, stateFolder, game + ext), game + ext);
  });
  if (none) {
    state.registers.clear();
    state.objs.clear();
    state.objectTable.clear();
    state.registersLoaded = state.objsLoaded = state.objectTableLoaded = true;
    Trace("Jogo novo: sem " + game + ".rgs, " + game + ".obz e " + game + ".obx, o jogo come\xE7""a vazio");
    return true;
  }
  // Padded by the loader once it has read the game's own register count: the
  // count now may be a default left by a creation that failed early.
  LoadList(state.registers, gameFolder, stateFolder, game + ".rgs");
  state.registersLoaded = true;
  LoadList(state.objs, gameFolder, stateFolder, game + ".obz");
  SortObjectKeys(state.objs);  // the list box sorts the keys as they are added
  state.objsLoaded = true;
  LoadList(state.objectTable, gameFolder, stateFolder, game + ".obx");
  state.objectTableLoaded = true;
  return false;
}

void SaveRegisters(StateWriter& writer, const GameState& state, const std::string& folder, const std::string& game) {
  if (state.registersLoaded) SaveList(writer, WithStoredLineBreaks(state.registers), folder, game + ".rgs");
}

void SaveObjectTable(StateWriter& writer, const GameState& state, const std::string& folder,
                     const std::string& game) {
  if (state.objectTableLoaded) SaveList(writer, WithStoredLineBreaks(state.objectTable), folder, game + ".obx");
}

namespace {

std::string CommitRecordPath(const std::string& folder, const std::string& game) {
  return ResolvePath(folder, game + ".commit~");
}

// The loaded lists among registers, object table and (with keys) object keys,
// written as one moment.
void SaveLoadedTogether(StateWriter& writer, const GameState& state, const std::string& folder,
                        const std::string& game, bool keys) {
  std::vector<StateWriter::File> files;
  if (state.registersLoaded)
    files.push_back({ResolvePath(folder, game + ".rgs"), WithStoredLineBreaks(state.registers), {}, false, false});
  if (state.objectTableLoaded)
    files.push_back({ResolvePath(folder, game + ".obx"), WithStoredLineBreaks(state.objectTable), {}, false, false});
  if (keys && state.objsLoaded) files.push_back({ResolvePath(folder, game + ".obz"), state.objs, {}, false, false});
  writer.Write(CommitRecordPath(folder, game), std::move(files));
}

}  // namespace

void SaveRegistersAndObjects(StateWriter& writer, const GameState& state, const std::string& folder,
                             const std::string& game) {
  SaveLoadedTogether(writer, state, folder, game, false);
}

void SaveGameTogether(StateWriter& writer, const GameState& state, const std::string& folder,
                      const std::string& game) {
  SaveLoadedTogether(writer, state, folder, game, true);
}

void ReportSaveFailure(StateWriter& writer, Platform& platform) {
  if (const auto failed = writer.TakeFailure())
    platform.ShowError(FileError(FileAction::Create, Cp1252FromUtf8(failed->path), failed->error).what());
}

bool RecoverInterruptedSave(const std::string& folder, const std::string& game) {
  std::vector<std::string> targets;
  for (const char* ext : {".rgs", ".obx", ".obz"}) targets.push_back(ResolvePath(folder, game + ext));
  return RecoverSavedTogether(CommitRecordPath(folder, game), targets);
}

}  // namespace lumora
