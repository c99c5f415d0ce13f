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
