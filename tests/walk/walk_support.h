// Runs the player on a copy of a test game with a walkthrough and reads back
// its JSON steps.
#pragma once
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace lumora::testing {

struct WalkResult {
  std::vector<QJsonObject> steps;
  int exitCode = -1;
  QString stderrText;
  QString folder;  // the copy of the game that was played
  // The step with that number, or an empty object.
  QJsonObject Step(int n) const;
  QByteArray File(const QString& name) const;
};

// Copies the files of one folder into another.
void CopyFolder(const QString& from, const QString& to);

// Copies tests/games/NAME (or a folder given by its absolute path) to a fresh folder (kept until the process ends) and
// plays walkthrough text on it, headless, with --json and any extra options.
WalkResult PlayWalk(const QString& game, const QString& walkthrough, const QStringList& extra = {});
// The walkthrough a test game ships: tests/games/NAME/NAME.walk.
QString GameWalkthrough(const QString& game);

// Plays the same game folder again (the saved game as the last run left it).
// With a program given, that program is started without naming the game.
WalkResult PlayAgain(const QString& folder, const QString& walkthrough, const QStringList& extra = {},
                     const QString& program = {});

// The folder made read-only for the player while it lives, whoever runs the
// tests: permissions stop a user, only an immutable folder stops root. Ready()
// is false where neither can be done.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& folder);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
  bool Ready() const;

 private:
  QString folder_;
  bool immutable_ = false;
};

// While it lives, the player's data folder (XDG_DATA_HOME) is `folder`.
class DataHome {
 public:
  explicit DataHome(const QString& folder) : before_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
  }
  ~DataHome() { qputenv("XDG_DATA_HOME", before_); }
  DataHome(const DataHome&) = delete;
  DataHome& operator=(const DataHome&) = delete;

 private:
  QByteArray before_;
};

// While it lives, the player's headless runs are on one virtual screen of that
// size (the offscreen platform's options, passed on in QT_QPA_PLATFORM).
class HeadlessScreen {
 public:
  HeadlessScreen(int width, int height);
  ~HeadlessScreen();
  HeadlessScreen(const HeadlessScreen&) = delete;
  HeadlessScreen& operator=(const HeadlessScreen&) = delete;

 private:
  QByteArray before_;
  QString file_;
};

}  // namespace lumora::testing
