// The checker over a whole game: the configuration lines, then every script,
// then the vocabulary files the configuration and the scripts name.
#include "tools/game_check.h"

#include <map>

#include <QString>

#include "core/script_error.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/config.h"
#include "input/typed_command.h"
#include "tools/name_checks.h"
#include "tools/script_check.h"

namespace lumora {
namespace {

bool HasExtension(const std::string& utf8Name, const char* extension) {
  return QString::fromStdString(utf8Name).endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

using FileFindings = std::map<std::string, Findings>;

void CheckConfigLine(const std::string& file, int n, const std::string& line, CheckContext& c, Findings& out) {
  auto report = [&](std::string message) { out.push_back({file, n + 1, std::move(message)}); };
  switch (ConfigLineValue(n)) {
    case ConfigValue::Number:
      if (!ReadInt(line))
        report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "%1 is not a whole number"), {Quoted(line)}));
      break;
    case ConfigValue::Colour:
      try {
        ColourFromText(line);
      } catch (const ScriptError&) {
        report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "%1 is not a colour (RRGGBB)"), {Quoted(line)}));
      }
      break;
    case ConfigValue::Text: break;
  }
  if (n == kVocabularyLine && !line.empty()) {
    c.vocabularies.insert(line);
    std::string message = FileMessage(QT_TRANSLATE_NOOP("Check", "vocabulary"), line, c.folder, ".scp");
    if (!message.empty()) report(std::move(message));
  }
  if ((n == kOpeningPicture || n == kSkinPicture) && !line.empty()) {
    std::string message = CheckPicture(line, c.folder);
    if (!message.empty()) report(std::move(message));
  }
  // The quit button shows "U-" and "D-" before the name, up and pressed.
  if (n == kQuitButtonPicture && !line.empty()) {
    for (const char* state : {"U-", "D-"}) {
      std::string message = CheckPicture(state + line, c.folder);
      if (!message.empty()) report(TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "the quit button's %1"), {message}));
    }
  }
}

void CheckConfig(const std::string& file, const StringList& lines, CheckContext& c, Findings& out) {
  if (lines.size() < static_cast<size_t>(kConfigLineCount))
    out.push_back({file, 0,
                   TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "holds %1 lines; the player needs %2"),
                                  {IntToStr(static_cast<int64_t>(lines.size())), IntToStr(kConfigLineCount)})});
  for (size_t n = 0; n < lines.size(); ++n) CheckConfigLine(file, static_cast<int>(n), lines[n], c, out);
  if (lines.size() > static_cast<size_t>(kRegisterCount)) {
    const auto count = ReadInt(lines[kRegisterCount]);
    if (count) c.registerCount = *count;
  }
}

// Each line "phrase|script": a typed command is upper-cased before it is
// compared, so a phrase with lower-case letters is never typed.
void CheckVocabulary(const std::string& file, const StringList& lines, const FolderIndex& folder, Findings& out) {
  for (size_t i = 0; i < lines.size(); ++i) {
    auto report = [&](std::string message) { out.push_back({file, static_cast<int>(i) + 1, std::move(message)}); };
    const std::string& line = lines[i];
    if (TrimView(line).empty()) continue;
    const size_t bar = line.find('|');
    if (bar == std::string::npos) {
      report(TranslatedUtf8(QT_TRANSLATE_NOOP(
          "Check", "vocabulary line without '|': the whole line is taken as a script for an empty command")));
      continue;
    }
    const std::string_view phrase = TrimView(std::string_view(line).substr(0, bar));
    if (NormaliseCommand(phrase) != phrase)
      report(TranslatedUtf8(
          QT_TRANSLATE_NOOP("Check",
                            "phrase %1 has lower-case letters: typed commands are upper-cased, so it never matches"),
          {Quoted(phrase)}));
    const std::string message = CheckScriptReference(TrimView(std::string_view(line).substr(bar + 1)), folder);
    if (!message.empty()) report(message);
  }
}

// The saved game's three files ship together, or none do (a new game): with
// some missing, the game stops at its start.
void CheckStateFiles(const FolderIndex& index, const std::string& game, FileFindings& byFile) {
  std::vector<std::string> missing;
  for (const char* ext : {".rgs", ".obz", ".obx"})
    if (index.Find(game + ext, nullptr) == Presence::Missing) missing.push_back(Utf8FromCp1252(game + ext));
  if (missing.size() == 3) return;
  for (const std::string& file : missing)
    byFile[file].push_back({file, 0,
                            TranslatedUtf8(QT_TRANSLATE_NOOP(
                                "Check", "is missing while the other state files are there: the game stops at its "
                                         "start; ship all three, or none for a new game"))});
}

std::unordered_set<std::string> ObjectKeys(const FolderIndex& folder) {
  std::unordered_set<std::string> keys;
  for (const std::string& name : folder.Names()) {
    StringList lines;
    if (HasExtension(name, ".obj") && LoadLines(folder.Folder() + name, lines) && !lines.empty())
      keys.insert(lines[0]);
  }
  return keys;
}

}  // namespace

Findings CheckGame(const std::string& folder, const std::string& game) {
  const FolderIndex index(folder);
  CheckContext c{index, ObjectKeys(index), 250, {}};
  FileFindings byFile;
  StringList lines;
  std::string actual;
  const std::string configName = game + ".ini";
  index.Find(configName, &actual);
  const std::string configFile = actual.empty() ? Utf8FromCp1252(configName) : actual;
  if (LoadLines(folder + configFile, lines)) CheckConfig(configFile, lines, c, byFile[configFile]);
  CheckStateFiles(index, game, byFile);
  std::map<std::string, StringList> scripts;
  for (const std::string& name : index.Names()) {
    StringList script;
    if (HasExtension(name, ".scp") && LoadLines(folder + name, script)) scripts.emplace(name, std::move(script));
  }
  for (const auto& [name, script] : scripts) CheckScript(name, script, c, byFile[name]);
  // A vocabulary file is a ".scp" too, but holds phrases, not commands.
  for (const std::string& vocabulary : c.vocabularies) {
    actual.clear();
    if (index.Find(vocabulary + ".scp", &actual) == Presence::Missing) continue;
    const std::string file = actual.empty() ? Utf8FromCp1252(vocabulary + ".scp") : actual;
    auto it = scripts.find(file);
    if (it == scripts.end()) continue;
    byFile[file].clear();
    CheckVocabulary(file, it->second, index, byFile[file]);
  }
  Findings all;
  for (auto& [file, findings] : byFile) all.insert(all.end(), findings.begin(), findings.end());
  return all;
}

std::string FindingText(const Finding& f) {
  return f.file + ":" + (f.line > 0 ? IntToStr(f.line) + ":" : std::string()) + " " + f.message;
}

}  // namespace lumora
