// lumora --check: the game of deliberate mistakes gives exactly its findings,
// the demo checks clean, and nothing to check is a usage failure. The checker
// never changes a file of the game.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

// Every file of the folder with a digest of its bytes, to see that none changed.
QStringList Digests(const QString& folder) {
  QStringList out;
  QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile f(it.next());
    if (f.open(QIODevice::ReadOnly))
      out << it.filePath() + " " + QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
  }
  out.sort();
  return out;
}

struct CheckCase {
  const char* name;
  QString game;      // the folder to check
  int exitCode;
  QString expected;  // the file holding the exact findings; empty: none at all
};

TEST(Check, FindsExactlyTheMistakesOfEachGame) {
  const QString games = QStringLiteral(LUMORA_GAMES);
  // Copies of the demo: one without its object keys, one without any state file.
  QTemporaryDir oneMissing, newGame;
  for (const QTemporaryDir* copy : {&oneMissing, &newGame}) CopyFolder(QStringLiteral(LUMORA_DEMO), copy->path());
  for (const char* file : {"demo.rgs", "demo.obz", "demo.obx"}) QFile::remove(newGame.filePath(file));
  QFile::remove(oneMissing.filePath("demo.obz"));
  QFile findings(newGame.filePath("sem-obz.check"));  // beside the game files, which it never reads
  ASSERT_TRUE(findings.open(QIODevice::WriteOnly));
  findings.write("demo.obz: is missing while the other state files are there: the game stops at its start; ship "
                 "all three, or none for a new game\n");
  findings.close();
  // A game made with --new.
  QTemporaryDir made;
  QProcess maker;
  maker.start(QStringLiteral(LUMORA_BIN), {"--new", made.filePath("aventura")});
  ASSERT_TRUE(maker.waitForFinished(60000));
  ASSERT_EQ(maker.exitCode(), 0) << maker.readAllStandardError().toStdString();
  const CheckCase cases[] = {
      {"a game made with --new is clean", made.filePath("aventura"), 0, {}},
      {"one state file missing", oneMissing.path(), 1, findings.fileName()},
      {"no state file: a new game", newGame.path(), 0, {}},
      {"every kind of mistake once", games + "/mistakes", 1, games + "/mistakes.check"},
      {"the demo is clean", QStringLiteral(LUMORA_DEMO), 0, {}},
      {"no game in the folder", games, 2, {}},
      {"no game named, and none beside the program", {}, 2, {}},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QStringList before = c.game.isEmpty() ? QStringList() : Digests(c.game);
    QProcess p;
    QStringList arguments = {"--check"};
    if (!c.game.isEmpty()) arguments << c.game;
    p.start(QStringLiteral(LUMORA_BIN), arguments);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), c.exitCode) << p.readAllStandardError().toStdString();
    QByteArray want;
    if (!c.expected.isEmpty()) {
      QFile f(c.expected);
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      want = f.readAll();
    }
    EXPECT_EQ(p.readAllStandardOutput().toStdString(), want.toStdString());
    if (!c.game.isEmpty()) EXPECT_EQ(Digests(c.game), before);
  }
  // It plays: typed and clicked ways between its two places, and --new
  // refuses a folder that holds files.
  const WalkResult r = PlayWalk(made.filePath("aventura"), "start\ntype norte\ntype sul\nlink jardim\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const char* places[] = {"sala", "sala", "jardim", "sala", "jardim"};
  for (int step = 0; step < 5; ++step) {
    EXPECT_EQ(r.Step(step)["state"].toObject()["posic"].toString(), places[step]) << step;
    EXPECT_TRUE(r.Step(step)["error"].isNull()) << step;
  }
  maker.start(QStringLiteral(LUMORA_BIN), {"--new", made.filePath("aventura")});
  ASSERT_TRUE(maker.waitForFinished(60000));
  EXPECT_EQ(maker.exitCode(), 2);
}

}  // namespace
}  // namespace lumora::testing
