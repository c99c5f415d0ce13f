// The command line and how it names the game.
#include "app/command_line.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumora {

Options ParseCommandLine(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--trace") o.trace = true;
    else if (a.rfind("--trace=", 0) == 0) o.trace = true, o.traceFile = a.substr(8);
    else if (a == "--play" && i + 1 < argc) o.play = argv[++i];
    else if (a == "--json") o.json = true;
    else if (a == "--headless") o.headless = true;
    else if (a == "--web") o.web = true;
    else if (!a.empty() && a[0] == '-') o.error = "unknown option " + a;
    else if (o.game.empty()) o.game = a;
    else o.error = "more than one game given: " + a;
  }
  if ((o.json || o.headless || o.web) && o.play.empty()) o.error = "--json, --headless and --web go with --play";
  return o;
}

namespace {

std::string WithSlash(const QString& folder) {
  std::string s = QDir::cleanPath(folder).toStdString();
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

GameLocation FromIni(const QFileInfo& ini) {
  return {WithSlash(ini.absolutePath()), ini.completeBaseName().toStdString(), ""};
}

}  // namespace

GameLocation LocateGame(const Options& options, const std::string& argv0) {
  if (!options.game.empty()) {
    const QFileInfo given(QString::fromStdString(options.game));
    if (given.isFile()) return FromIni(given);
    if (given.isDir()) {
      QStringList inis;
      for (const QFileInfo& e : QDir(given.absoluteFilePath()).entryInfoList({"*.ini", "*.INI"}, QDir::Files))
        if (e.fileName().compare("desktop.ini", Qt::CaseInsensitive) != 0) inis << e.absoluteFilePath();
      if (inis.size() == 1) return FromIni(QFileInfo(inis[0]));
      return {"", "", inis.isEmpty() ? "no game (.ini) in " + options.game
                                     : "more than one game (.ini) in " + options.game + ": name one"};
    }
    return {"", "", "no such game: " + options.game};
  }
  // The executable's own name and folder, without following a symbolic link.
  QString path = QString::fromStdString(argv0);
  if (!path.contains('/')) path = QStandardPaths::findExecutable(path);
  const QFileInfo exe(QDir::current().absoluteFilePath(path));
  return {WithSlash(exe.absolutePath()), exe.completeBaseName().toStdString(), ""};
}

}  // namespace lumora
