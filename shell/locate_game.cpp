// Finding the game: a .ini, a folder with one, or the executable's own name.
#include "shell/locate_game.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/paths.h"
#include "core/text1252.h"
#include "core/translation.h"

namespace lumora {
namespace {

std::string WithSlash(const QString& folder) {
  std::string s = QDir::cleanPath(folder).toStdString();
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

GameLocation FromIni(const QFileInfo& ini) {
  return {WithSlash(ini.absolutePath()), ini.completeBaseName().toStdString(), ""};
}

GameLocation FromFolder(const std::string& game, const QFileInfo& folder) {
  QStringList inis;
  for (const QFileInfo& e : QDir(folder.absoluteFilePath()).entryInfoList({"*.ini", "*.INI"}, QDir::Files))
    if (e.fileName().compare("desktop.ini", Qt::CaseInsensitive) != 0) inis << e.absoluteFilePath();
  if (inis.size() == 1) return FromIni(QFileInfo(inis[0]));
  const QString folderName = QString::fromStdString(game);
  return {"", "",
          (inis.isEmpty() ? translate("Game", "no game (.ini) in %1")
                          : translate("Game", "more than one game (.ini) in %1: name one"))
              .arg(folderName)
              .toStdString()};
}

}  // namespace

GameLocation LocateGame(const std::string& game, const std::string& argv0) {
  if (!game.empty()) {
    const QFileInfo given(QString::fromStdString(game));
    if (given.isFile()) return FromIni(given);
    if (given.isDir()) return FromFolder(game, given);
    return {"", "", translate("Game", "no such game: %1").arg(QString::fromStdString(game)).toStdString()};
  }
  QString path = QString::fromStdString(argv0);
  if (!path.contains('/')) path = QStandardPaths::findExecutable(path);
  const QFileInfo exe(QDir::current().absoluteFilePath(path));
  GameLocation own{WithSlash(exe.absolutePath()), exe.completeBaseName().toStdString(), ""};
  // The program started by its own name, or through a link beside no game, has
  // nothing to play: say how to name a game.
  if (!FileExists(own.folder, Cp1252FromUtf8(own.name) + ".ini"))
    return {"", "",
            translate("Game",
                      "no game to play: no %1.ini beside %2\n"
                      "Name a game: lumora path/to/game.ini, or its folder (lumora path/to/game),\n"
                      "or place a symbolic link to lumora named after the game in the game's folder"
                      " (aventura beside aventura.ini) and start that.")
                .arg(QString::fromStdString(own.name), QString::fromStdString(own.folder + own.name))
                .toStdString()};
  return own;
}

}  // namespace lumora
