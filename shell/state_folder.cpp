// Choosing the state folder once, at creation.
#include "shell/state_folder.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "core/paths.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/form1.h"

namespace lumora {
namespace {

// The player's folder for this game's state, made when missing; "" when the
// system names no data folder or it cannot be made or written.
std::string PlayerStateFolder(TForm1& f, std::string& tried) {
  tried = PlayerGameFolder(f.platform, f.gameName, f.programFolder);
  if (tried.empty()) return {};
  // The saved game an older version kept under the game's name alone is moved
  // to the new name the first time: a rename keeps every file as it was. Only
  // a game whose state lives there adopts it, so a writable game of the same
  // name never takes it.
  const std::string old = f.platform.UserDataFolder() + Utf8FromCp1252(f.gameName) + "/";
  if (!QFileInfo::exists(QString::fromStdString(tried)) && QFileInfo(QString::fromStdString(old)).isDir() &&
      std::rename(old.c_str(), tried.c_str()) != 0)
    tried = old;  // it goes on serving where it is
  if (!QDir().mkpath(QString::fromStdString(tried)) || !f.platform.CanWriteFolder(tried)) return {};
  return tried;
}

// FNV-1a: stable across versions and machines, unlike std::hash.
uint32_t Digest(const std::string& bytes) {
  uint32_t h = 2166136261u;
  for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

// A fresh folder of this session's own under the system's temporary folder; "" when none can be made.
std::string SessionFolder() {
  std::string pattern = QDir::tempPath().toStdString() + "/lumora-XXXXXX";
  if (!mkdtemp(pattern.data())) return {};
  return pattern + "/";
}

}  // namespace

std::string PlayerGameKey(const std::string& gameName, const std::string& programFolder) {
  // The real path: a game reached through a link or with "/./" in its path is the same game.
  const QString canonical = QFileInfo(QString::fromStdString(programFolder)).canonicalFilePath();
  const std::string folder = canonical.isEmpty() ? programFolder : canonical.toStdString();
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(Digest(folder)));
  return Utf8FromCp1252(gameName) + "-" + digits;
}

std::string PlayerGameFolder(Platform& platform, const std::string& gameName, const std::string& programFolder) {
  const std::string data = platform.UserDataFolder();
  if (data.empty() || !InsideFolder(gameName)) return {};
  return data + PlayerGameKey(gameName, programFolder) + "/";
}

void ChooseStateFolder(TForm1& f) {
  f.stateFolderTemporary = false;
  if (!f.stateFolderGiven.empty()) {
    f.stateFolder = f.stateFolderGiven;
    return;
  }
  f.stateFolder = f.programFolder;
  if (f.platform.CanWriteFolder(f.programFolder)) return;
  std::string tried;
  const std::string own = PlayerStateFolder(f, tried);
  if (!own.empty()) {
    f.stateFolder = own;
    return;
  }
  const std::string folder = Cp1252FromUtf8(f.programFolder);
  std::string text =
      tried.empty()
          ? Translated1252(
                QT_TRANSLATE_NOOP(
                    "Game", "The game's folder \"%1\" cannot be written, and there is no folder for your saved games"),
                {folder})
          : Translated1252(
                QT_TRANSLATE_NOOP(
                    "Game", "The game's folder \"%1\" cannot be written, nor the folder for your saved games \"%2\""),
                {folder, Cp1252FromUtf8(tried)});
  const std::string session = SessionFolder();
  if (!session.empty()) {
    f.stateFolder = session;
    f.stateFolderTemporary = true;
    text += Translated1252(
        QT_TRANSLATE_NOOP("Game", ". The game plays on, but nothing of this session is kept after it ends."));
  } else {
    text += Translated1252(QT_TRANSLATE_NOOP("Game", ". The game plays on, but it cannot be saved."));
  }
  f.platform.ShowError(text);
}

void RemoveSessionStateFolder(TForm1& f) {
  if (!f.stateFolderTemporary) return;
  QDir(QString::fromStdString(f.stateFolder)).removeRecursively();
  f.stateFolderTemporary = false;
}

}  // namespace lumora
