// The folder watch of --watch.
#include "qt/game_watch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "form/form1.h"
#include "qt/main_window.h"
#include "shell/live_reload.h"

namespace lumora {
namespace {

// A game's folder with more files than this is read only as deep as its top.
constexpr int kMostFolders = 64;

}  // namespace

GameWatch::GameWatch(MainWindow& window, TForm1& form)
    : window_(window), f_(form), folder_(QString::fromStdString(form.programFolder)) {
  settle_.setSingleShot(true);
  settle_.setInterval(150);
  retry_.setSingleShot(true);
  retry_.setInterval(100);
  connect(&settle_, &QTimer::timeout, this, [this] { Changed(); });
  connect(&retry_, &QTimer::timeout, this, [this] { TryReload(); });
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_.start(); });
  files_ = Take();
  Watch();
}

GameWatch::Snapshot GameWatch::Take() {
  Snapshot shot;
  QDirIterator it(folder_, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  const QDir base(folder_);
  while (it.hasNext()) {
    const QFileInfo file(it.next());
    const QString name = base.relativeFilePath(file.filePath());
    if (ReloadsOnChange(f_, name.toStdString())) shot.insert(name, {file.size(), file.lastModified()});
  }
  return shot;
}

// Editors save by writing a new file and renaming it over the old one: the
// watch is set again on every file after each change, and the folders tell of
// files made and removed.
void GameWatch::Watch() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  QStringList folders{folder_};
  QDirIterator it(folder_, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext() && folders.size() < kMostFolders) folders << it.next();
  for (const QString& folder : folders)
    if (!watcher_.directories().contains(folder)) watcher_.addPath(folder);
  QStringList files;
  for (auto it = files_.cbegin(); it != files_.cend(); ++it) files << QDir(folder_).filePath(it.key());
  if (!files.isEmpty()) watcher_.addPaths(files);
}

void GameWatch::Changed() {
  const Snapshot now = Take();
  QString changed;
  for (auto it = now.cbegin(); it != now.cend() && changed.isEmpty(); ++it)
    if (files_.value(it.key()) != it.value()) changed = it.key();
  for (auto it = files_.cbegin(); it != files_.cend() && changed.isEmpty(); ++it)
    if (!now.contains(it.key())) changed = it.key();
  files_ = now;
  Watch();
  if (changed.isEmpty()) return;
  pending_ = changed;
  TryReload();
}

void GameWatch::TryReload() {
  if (pending_.isEmpty()) return;
  bool done = false;
  const std::string changed = pending_.toStdString();
  // Held like the player's input while the engine holds it; refused while a
  // script runs: tried again once it may have ended.
  if (f_.runDepth == 0 && f_.entryDepth == 0) window_.Enter([&] { done = RunPlaceAgain(f_, changed); });
  if (done) pending_.clear();
  else retry_.start();
}

}  // namespace lumora
