// Play-throughs as an author's tests: expect lines, a folder of them replayed
// on copies of the shipped state, and a recorded session that replays to the
// same saved game. The game's own folder is only ever read.
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

// Every file of a folder, by name, with a digest of its bytes.
QMap<QString, QByteArray> Contents(const QString& folder) {
  QMap<QString, QByteArray> all;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    file.open(QIODevice::ReadOnly);
    all.insert(QDir(folder).relativeFilePath(file.fileName()),
               QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
  }
  return all;
}

void Write(const QString& path, const QString& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
}

struct Outcome {
  int status = -1;
  QString out, err;
};

Outcome Lumora(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(LUMORA_BIN), args);
  p.waitForFinished(120000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

// The demo resumed from its shipped saved game: the garden, the key taken.
constexpr char kGardenKey[] = "resume\ntype jardim\ntype pegar chave\n";

TEST(WalkReplay, ExpectLinesHoldOrTellTheirFileAndLineAndTheStatusIsOne) {
  const struct {
    const char* line;
    const char* told;  // nullptr: it holds
  } cases[] = {
      {"expect obj chave jog", nullptr},
      {"expect script pegar", nullptr},
      {"expect place jardim", nullptr},
      {"expect model 1", nullptr},
      {"expect reg 1 1", nullptr},
      {"expect msg contains chave", nullptr},
      {"expect obj chave jardim", "expected obj chave jardim, got jog"},
      {"expect script torre", "expected script torre, got pegar"},
      {"expect reg 1 65", "expected reg 1 65, got \"1\""},
      {"expect reg 99999 a", "got no register 99999"},
      {"expect obj nada jog", "got no object nada"},
      {"expect msg contains dragão", "expected msg contains dragão, got \""},
      {"expect nothing", "cannot read expect nothing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), QString(kGardenKey) + c.line + "\nquit\n");
    // The expectation is the walkthrough's line 4.
    if (!c.told) {
      EXPECT_EQ(r.exitCode, 0);
      EXPECT_FALSE(r.stderrText.contains("test.walk.txt:")) << r.stderrText.toStdString();
      continue;
    }
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.stderrText.contains("test.walk.txt:4: ")) << r.stderrText.toStdString();
    EXPECT_TRUE(r.stderrText.contains(QString::fromUtf8(c.told))) << r.stderrText.toStdString();
    // The play-through goes on past it: the quit after it was given.
    EXPECT_TRUE(r.Step(5)["state"].toObject()["exited"].toBool());
  }
}

TEST(WalkReplay, PlayAllReplaysEachWalkthroughOnACopyAndLeavesTheGameAsShipped) {
  QTemporaryDir game, walks;
  CopyFolder(QStringLiteral(LUMORA_DEMO), game.path());
  const auto shipped = Contents(game.path());
  Write(walks.filePath("a.walk"), QString(kGardenKey) + "expect obj chave jog\nquit\n");
  // Each starts from the shipped state, not from where the one before left it.
  Write(walks.filePath("b.walk"), QString(kGardenKey) + "expect obj chave jog\n");
  Write(walks.filePath("c.walk"), "resume\nexpect obj chave jog\n");
  Write(walks.filePath("notes.txt"), "not a walkthrough\n");
  const Outcome run = Lumora({"--play-all", walks.path(), game.path()});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.contains("passed: a.walk\npassed: b.walk\nFAILED: c.walk (status 1)\n2 of 3 play-throughs passed"))
      << run.out.toStdString();
  EXPECT_TRUE(run.err.contains("c.walk:2: expected obj chave jog, got jardim")) << run.err.toStdString();
  EXPECT_EQ(Contents(game.path()), shipped);

  QTemporaryDir none;
  EXPECT_EQ(Lumora({"--play-all", none.path(), game.path()}).status, 2);
}

TEST(WalkReplay, ARecordedSessionReplaysToTheSameSavedGame) {
  QTemporaryDir game, work;
  CopyFolder(QStringLiteral(LUMORA_DEMO), game.path());
  const auto shipped = Contents(game.path());
  // Played by hand (here by the driver, through the same widgets), recorded.
  Write(work.filePath("hand.walk"),
        "start\ntype jardim\nclick tel 5 5\nkey F1\ntype pegar chave\nlink torre\nquit\n");
  const QString recorded = work.filePath("recorded.walk");
  const Outcome played = Lumora({"--headless", "--play", work.filePath("hand.walk"), "--record", recorded, "--state",
                             work.filePath("first"), game.path()});
  ASSERT_EQ(played.status, 0) << played.err.toStdString();
  QFile file(recorded);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  for (const char* line : {"\nstart\n", "\ntype JARDIM\n", "\nclick tel 5 5\n", "\nkey F1\n", "\nlink torre\n",
                           "\nclick quit "})
    EXPECT_TRUE(text.contains(line)) << line << " in\n" << text.toStdString();
  const Outcome replayed = Lumora({"--headless", "--play", recorded, "--state", work.filePath("second"), game.path()});
  ASSERT_EQ(replayed.status, 0) << replayed.err.toStdString();
  const auto first = Contents(work.filePath("first")), second = Contents(work.filePath("second"));
  EXPECT_FALSE(first.isEmpty());
  EXPECT_EQ(first, second);
  EXPECT_EQ(Contents(game.path()), shipped);
}

}  // namespace
}  // namespace lumora::testing
