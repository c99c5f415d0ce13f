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

// A copy of the demo without the state files named; the findings expected of
// it written beside it, in the folder above.
QString DemoWithout(const QTemporaryDir& dir, const QString& name, const QStringList& left, const QByteArray& findings) {
  const QString folder = dir.filePath(name);
  QDir().mkpath(folder);
  QDir demo(QStringLiteral(LUMORA_DEMO));
  for (const QString& file : demo.entryList(QDir::Files))
    if (!left.contains(file)) QFile::copy(demo.filePath(file), folder + "/" + file);
  QFile expected(folder + ".check");
  if (expected.open(QIODevice::WriteOnly)) expected.write(findings);
  return folder;
}

TEST(Check, FindsExactlyTheMistakesOfEachGame) {
  const QString games = QStringLiteral(LUMORA_GAMES);
  QTemporaryDir dir;
  const QString oneMissing = DemoWithout(
      dir, "sem-obz", {"demo.obz"},
      "demo.obz: is missing while the other state files are there: the game stops at its start; ship all three, "
      "or none for a new game\n");
  const QString newGame = DemoWithout(dir, "novo", {"demo.rgs", "demo.obz", "demo.obx"}, "");
  const CheckCase cases[] = {
      {"one state file missing", oneMissing, 1, oneMissing + ".check"},
      {"no state file: a new game", newGame, 0, {}},
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
}

}  // namespace
}  // namespace lumora::testing
