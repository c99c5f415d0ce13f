// Replaying a folder of play-throughs, each in a child process of this program.
#include "app/play_all.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

#include "app/command_line.h"
#include "core/translation.h"
#include "shell/locate_game.h"

namespace lumora {

int RunPlayAll(const Options& o, const char* argv0) {
  const GameLocation game = LocateGame(o.game, argv0);
  if (!game.error.empty()) {
    std::fprintf(stderr, "lumora: %s\n", game.error.c_str());
    return kExitUsage;
  }
  const QDir folder(QString::fromStdString(o.playAll));
  const QStringList walks = folder.entryList({QStringLiteral("*.walk")}, QDir::Files, QDir::Name);
  if (walks.isEmpty()) {
    std::fprintf(stderr, "lumora: %s\n",
                 translate("PlayAll", "no walkthroughs (*.walk) in %1").arg(folder.path()).toUtf8().constData());
    return kExitUsage;
  }
  // The game named by its .ini: a program started through a link named after
  // the game would not find it from the children's own name.
  const QString ini = QString::fromStdString(game.folder + game.name + ".ini");
  int passed = 0;
  for (const QString& walk : walks) {
    QStringList args{QStringLiteral("--headless"), QStringLiteral("--fresh"), QStringLiteral("--play"),
                     folder.absoluteFilePath(walk)};
    args << ini;
    std::fflush(stdout);
    // The child's expect failures reach standard error as they happen.
    const int status = QProcess::execute(QCoreApplication::applicationFilePath(), args);
    const bool ok = status == kExitDone;
    passed += ok ? 1 : 0;
    const QString line = ok ? translate("PlayAll", "passed: %1").arg(walk)
                            : translate("PlayAll", "FAILED: %1 (status %2)").arg(walk).arg(status);
    std::printf("%s\n", line.toUtf8().constData());
  }
  std::printf("%s\n", translate("PlayAll", "%1 of %2 play-throughs passed")
                          .arg(passed)
                          .arg(walks.size())
                          .toUtf8()
                          .constData());
  return passed == walks.size() ? kExitDone : kExitExpectFailed;
}

}  // namespace lumora
