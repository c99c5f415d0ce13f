// Choosing the state folder once, at creation.
#include "shell/state_folder.h"

#include <QDir>
#include <cstdlib>

#include "core/paths.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/form1.h"

namespace lumora {
namespace {

// The player's folder for this game's state, made when missing; "" when the
// system names no data folder or it cannot be made or written.
std::string PlayerStateFolder(Platform& platform, const std::string& gameName, std::string& tried) {
  const std::string data = platform.UserDataFolder();
  if (data.empty() || !InsideFolder(gameName)) return {};
  tried = data + Utf8FromCp1252(gameName) + "/";
  if (!QDir().mkpath(QString::fromStdString(tried)) || !platform.CanWriteFolder(tried)) return {};
  return tried;
}

// A fresh folder of this session's own under the system's temporary folder; "" when none can be made.
std::string SessionFolder() {
  std::string pattern = QDir::tempPath().toStdString() + "/lumora-XXXXXX";
  if (!mkdtemp(pattern.data())) return {};
  return pattern + "/";
}

}  // namespace

void ChooseStateFolder(TForm1& f) {
  f.stateFolder = f.programFolder;
  f.stateFolderTemporary = false;
  if (f.platform.CanWriteFolder(f.programFolder)) return;
  std::string tried;
  const std::string own = PlayerStateFolder(f.platform, f.gameName, tried);
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
