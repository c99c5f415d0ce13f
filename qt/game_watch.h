// Watching the game's folder for the author's edits (--watch): a changed
// script, picture or vocabulary runs the place's script again once no script
// runs, so the edit shows at once.
#pragma once
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QTimer>

namespace lumora {

struct TForm1;
class MainWindow;

class GameWatch : public QObject {
 public:
  GameWatch(MainWindow& window, TForm1& form);

 private:
  // What the files looked like: size and time of each, by name in the folder.
  using Snapshot = QHash<QString, QPair<qint64, QDateTime>>;
  Snapshot Take();
  void Watch();
  void Changed();
  void TryReload();

  MainWindow& window_;
  TForm1& f_;
  QString folder_;
  QFileSystemWatcher watcher_;
  Snapshot files_;
  QString pending_;     // the file whose change waits for the running script to end
  QTimer settle_;       // an editor's save is several events: read the folder once they stop
  QTimer retry_;        // a script runs: try again shortly
};

}  // namespace lumora
