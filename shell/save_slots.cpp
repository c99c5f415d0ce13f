// Save slots, each a folder of the player's data folder for the game:
// "slot.txt" (what the slot is, written last: a folder without it is an
// unfinished slot), the configuration, the three state files, the saved maps
// under "maps/" and the window's picture.
#include "shell/save_slots.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <ctime>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/form1.h"
#include "script/run_script.h"
#include "shell/lifecycle.h"
#include "shell/state_folder.h"
#include "shell/undo.h"
#include "state/state_files.h"

namespace lumora {
namespace {

constexpr const char* kInfoFile = "slot.txt";
constexpr const char* kInfoMark = "lumora-slot 1";
constexpr const char* kPictureFile = "picture.png";
constexpr const char* kMapsFolder = "maps/";
constexpr size_t kAutomaticKept = 3;

std::string SlotsFolder(TForm1& f) {
  // A replay on a copy of the state keeps its slots with the copy.
  if (!f.stateFolderGiven.empty()) return SlotsFolderOf(f.stateFolder);
  return SlotsFolderOf(PlayerGameFolder(f.platform, f.gameName, f.programFolder));
}

std::string SlotFolder(TForm1& f, const std::string& id) { return SlotsFolder(f) + id + "/"; }

// A saved map as the game has it now: on its way to the disk, or there.
bool CurrentMap(TForm1& f, const std::string& name, std::string& bytes) {
  bool removed = false;
  if (f.writer.Pending(ResolvePath(f.stateFolder, name), bytes, removed)) return !removed;
  const std::string& folder = StateReadFolder(f.gameFolder, f.stateFolder, name);
  return FileExists(folder, name) && ReadFileBytes(ResolvePath(folder, name), bytes);
}

// The info file: the mark, name, place, time, kind, then one line per saved
// map the game named: "map NAME" when the slot holds it, "nomap NAME" when
// the game had none of that name.
StringList InfoLines(const SlotInfo& s, const StringList& maps) {
  StringList lines = {kInfoMark, s.name, s.place, IntToStr(s.time), s.automatic ? "auto" : "player"};
  lines.insert(lines.end(), maps.begin(), maps.end());
  return lines;
}

bool ReadInfo(const std::string& text, SlotInfo& s, StringList* maps) {
  const StringList lines = SplitLines(text);
  if (lines.size() < 5 || lines[0] != kInfoMark) return false;
  s.name = lines[1];
  s.place = lines[2];
  s.time = IntOr(lines[3], 0);
  s.automatic = lines[4] == "auto";
  if (maps) maps->assign(lines.begin() + 5, lines.end());
  return true;
}

std::string NewId(const std::vector<SlotInfo>& known) {
  const std::string stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
  for (int n = 1;; ++n) {
    const std::string id = stamp + "-" + IntToStr(n);
    if (!FindSlot(known, id)) return id;
  }
}

void Tell(TForm1& f, const char* text, std::initializer_list<std::string> args) {
  f.notice = Translated1252(text, args);
}

// Hands the slot's files to the writer, the info file last.
void WriteSlot(TForm1& f, const std::string& folder, const SlotInfo& info) {
  std::vector<StateWriter::File> config;
  config.push_back({ResolvePath(folder, f.gameName + ".ini"), ConfigAsSaved(f), {}, false, false});
  f.writer.Write("", std::move(config));
  SaveGameTogether(f.writer, f.state, folder, f.gameName);
  StringList maps;
  for (const std::string& name : f.map.savedNames) {
    std::string bytes;
    if (!CurrentMap(f, name, bytes)) {
      maps.push_back("nomap " + name);
      continue;
    }
    const std::string path = ResolvePath(folder + kMapsFolder, name);
    QDir().mkpath(QString::fromStdString(FolderOf(path)));
    f.writer.WriteBytes(path, std::move(bytes));
    maps.push_back("map " + name);
  }
  const std::string picture = f.platform.WindowPicturePng();
  if (!picture.empty()) f.writer.WriteBytes(folder + kPictureFile, picture);
  f.writer.WriteBytes(folder + kInfoFile, JoinLines(InfoLines(info, maps)));
}

// Only the last few automatic slots stay.
void DropOldAutomatic(TForm1& f, const std::vector<SlotInfo>& known) {
  size_t kept = 0;
  for (const SlotInfo& s : known) {
    if (!s.automatic) continue;
    if (++kept > kAutomaticKept) f.writer.RemoveFolder(SlotFolder(f, s.id));
  }
}

// The slot's saved game written over the game's own, as one save for the
// three state files, then its configuration and maps.
bool PutBack(TForm1& f, const std::string& folder, const StringList& maps) {
  GameState state;
  StringList config;
  auto load = [&](const char* ext, StringList& lines) { return LoadLines(ResolvePath(folder, f.gameName + ext), lines); };
  if (!load(".ini", config) || !load(".rgs", state.registers) || !load(".obx", state.objectTable) ||
      !load(".obz", state.objs))
    return false;
  state.registersLoaded = state.objectTableLoaded = state.objsLoaded = true;
  SaveGameTogether(f.writer, state, f.stateFolder, f.gameName);
  std::vector<StateWriter::File> files;
  files.push_back({ResolvePath(f.stateFolder, f.gameName + ".ini"), std::move(config), {}, false, false});
  f.writer.Write("", std::move(files));
  for (const std::string& line : maps) {
    const bool held = StartsWith(line, "map ");
    const std::string name = line.substr(held ? 4 : 6);
    // The info file is the player's own, but its names are checked as a game's.
    if (!ReallyInsideFolder(f.stateFolder, name)) continue;
    const std::string target = ResolvePath(f.stateFolder, name);
    std::string bytes;
    if (held && ReadFileBytes(ResolvePath(folder + kMapsFolder, name), bytes)) {
      QDir().mkpath(QString::fromStdString(FolderOf(target)));
      f.writer.WriteBytes(target, std::move(bytes));
    } else if (!held) {
      f.writer.Remove(target);
    }
    f.map.savedNames.insert(name);
  }
  return true;
}

}  // namespace

bool Idle(const TForm1& f) { return f.runDepth == 0 && f.loaderFinished && f.configLoaded && !f.runStopped; }

std::vector<SlotInfo> ListSlots(TForm1& f) { return ListSlotsIn(SlotsFolder(f), &f.writer); }

std::string SlotsFolderOf(const std::string& playerGameFolder) {
  return playerGameFolder.empty() ? playerGameFolder : playerGameFolder + "slots/";
}

std::vector<SlotInfo> ListSlotsIn(const std::string& base, StateWriter* writer) {
  std::vector<SlotInfo> known;
  if (base.empty()) return known;
  const QStringList ids = QDir(QString::fromStdString(base)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& id : ids) {
    SlotInfo s;
    s.id = id.toStdString();
    const std::string folder = base + s.id + "/";
    std::string text;
    bool removed = false;
    if (writer && writer->Pending(folder + kInfoFile, text, removed)) {
      if (removed) continue;
    } else if (!ReadFileBytes(folder + kInfoFile, text)) {
      continue;
    }
    if (!ReadInfo(text, s, nullptr)) continue;
    if (QFile::exists(QString::fromStdString(folder + kPictureFile))) s.picture = folder + kPictureFile;
    known.push_back(std::move(s));
  }
  std::sort(known.begin(), known.end(), [](const SlotInfo& a, const SlotInfo& b) {
    return a.time != b.time ? a.time > b.time : a.id > b.id;
  });
  return known;
}

const SlotInfo* FindSlot(const std::vector<SlotInfo>& known, const std::string& idOrName) {
  for (const SlotInfo& s : known)
    if (s.id == idOrName) return &s;
  for (const SlotInfo& s : known)
    if (!s.name.empty() && s.name == idOrName) return &s;
  return nullptr;
}

std::string SaveSlot(TForm1& f, const std::string& name, const std::string& replacing) {
  if (!Idle(f) || SlotsFolder(f).empty()) return {};
  const std::vector<SlotInfo> known = ListSlots(f);
  SlotInfo info;
  info.id = NewId(known);
  info.name = name;
  info.place = f.Posic;
  info.time = static_cast<int64_t>(std::time(nullptr));
  info.automatic = name.empty();
  const std::string folder = SlotFolder(f, info.id);
  if (!QDir().mkpath(QString::fromStdString(folder))) {
    Tell(f, QT_TRANSLATE_NOOP("Game", "The game cannot be saved: the folder \"%1\" cannot be made."),
         {Cp1252FromUtf8(folder)});
    return {};
  }
  WriteSlot(f, folder, info);
  if (!replacing.empty() && replacing != info.id && FindSlot(known, replacing))
    f.writer.RemoveFolder(SlotFolder(f, replacing));
  if (info.automatic) {
    std::vector<SlotInfo> now = known;
    now.insert(now.begin(), info);
    DropOldAutomatic(f, now);
  } else {
    Tell(f, QT_TRANSLATE_NOOP("Game", "Saved: %1"), {name});
  }
  return info.id;
}

bool RestoreSlot(TForm1& f, const std::string& id) {
  if (f.runDepth != 0) return false;
  const std::vector<SlotInfo> known = ListSlots(f);
  const SlotInfo* slot = FindSlot(known, id);
  if (!slot) return false;
  const std::string folder = SlotFolder(f, slot->id);
  const std::string shown = slot->name.empty() ? slot->place : slot->name;
  // What is there now can be had back: a slot of its own before anything is
  // written over. (A game still on its opening screen has nothing to keep.)
  if (Idle(f)) SaveSlot(f, "");
  // The slot's own files must be whole on disk before they are read.
  f.writer.Flush();
  std::string text;
  SlotInfo info;
  StringList maps;
  if (!ReadFileBytes(folder + kInfoFile, text) || !ReadInfo(text, info, &maps) || !PutBack(f, folder, maps)) {
    Tell(f, QT_TRANSLATE_NOOP("Game", "The saved game \"%1\" cannot be read."), {shown});
    return false;
  }
  GameLoader(f, f.gameName);  // it waits for the writer
  f.Script = f.Posic.empty() ? "start" : f.Posic;
  RunScript(f, f.Script);
  StartUndoHistory(f);
  Tell(f, QT_TRANSLATE_NOOP("Game", "Restored: %1"), {shown});
  return true;
}

bool DeleteSlot(TForm1& f, const std::string& id) {
  const std::vector<SlotInfo> known = ListSlots(f);
  const SlotInfo* slot = FindSlot(known, id);
  if (!slot) return false;
  f.writer.RemoveFolder(SlotFolder(f, slot->id));
  return true;
}

bool RenameSlot(TForm1& f, const std::string& id, const std::string& name) {
  const std::vector<SlotInfo> known = ListSlots(f);
  const SlotInfo* slot = FindSlot(known, id);
  if (!slot || name.empty()) return false;
  const std::string folder = SlotFolder(f, slot->id);
  std::string text;
  bool removed = false;
  if (!f.writer.Pending(folder + kInfoFile, text, removed) && !ReadFileBytes(folder + kInfoFile, text)) return false;
  SlotInfo info;
  StringList maps;
  if (!ReadInfo(text, info, &maps)) return false;
  info.name = name;
  info.automatic = false;  // named, it is the player's to keep
  f.writer.WriteBytes(folder + kInfoFile, JoinLines(InfoLines(info, maps)));
  return true;
}

}  // namespace lumora
