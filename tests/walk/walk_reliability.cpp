// The whole player under scripts that never end and traces that never stop:
// quitting during a pause loop, SIGTERM during an endless jump, a step whose
// trace is longer than the JSON keeps.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

// A copy of the logic game whose start script is `start`.
QString GameWithStart(QTemporaryDir& dir, const QByteArray& start) {
  QDir source(QStringLiteral(LUMORA_GAMES) + "/logic");
  for (const QString& name : source.entryList(QDir::Files)) QFile::copy(source.filePath(name), dir.path() + "/" + name);
  QFile script(dir.path() + "/start.scp");
  script.open(QIODevice::WriteOnly | QIODevice::Truncate);
  script.write(start);
  return dir.path();
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(WalkReliability, QuittingDuringAPauseLoopEndsTheProgramAndKeepsTheSave) {
  QTemporaryDir dir;
  const QString game = GameWithStart(dir, "reg= 1,antes\r\n:a\r\npausa= 1\r\nreg+ 3,1\r\ngoto a\r\n");
  const QByteArray saved = Read(game + "/logic.rgs");
  const WalkResult r = PlayWalk(game, "start\n> quit\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  // The quit's own step is printed while the loop still waits; the start's after.
  EXPECT_FALSE(r.Step(2).isEmpty());
  EXPECT_TRUE(r.Step(1)["state"].toObject()["exited"].toBool());
  EXPECT_TRUE(r.Step(3).isEmpty());  // nothing after the end
  EXPECT_EQ(r.File("logic.rgs"), saved);  // the unfinished run wrote nothing
  EXPECT_TRUE(r.File("logic.ini").split('\n').value(7).startsWith("start"));  // the configuration was written
}

TEST(WalkReliability, SigtermEndsAnEndlessScript) {
  for (const int sig : {SIGTERM, SIGINT}) {
    QTemporaryDir dir;
    const QString game = GameWithStart(dir, ":a\r\ngoto a\r\n");
    const QByteArray saved = Read(game + "/logic.rgs");
    QFile walk(game + "/w.walk");
    walk.open(QIODevice::WriteOnly);
    walk.write("start\n");
    walk.close();
    QProcess p;
    p.start(QStringLiteral(LUMORA_BIN), {"--headless", "--json", "--play", game + "/w.walk", game});
    // Step 0 is printed before the start: then the script is about to loop.
    ASSERT_TRUE(p.waitForReadyRead(60000));
    kill(static_cast<pid_t>(p.processId()), sig);
    ASSERT_TRUE(p.waitForFinished(60000)) << "signal " << sig << ": the program did not end";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << sig;
    EXPECT_EQ(p.exitCode(), 0) << sig;
    EXPECT_EQ(Read(game + "/logic.rgs"), saved) << sig;
  }
}

TEST(WalkReliability, AStepKeepsTheFirstTenThousandTraceLinesAndCountsTheRest) {
  QTemporaryDir dir;
  QByteArray start;
  for (int i = 0; i < 15000; ++i) start += "/ linha\r\n";
  const QString game = GameWithStart(dir, start);
  QTemporaryDir out;
  const QString traceFile = out.path() + "/all.trace";
  const WalkResult r = PlayWalk(game, "start\n", {"--trace=" + traceFile});
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const QJsonObject step = r.Step(1);
  EXPECT_EQ(step["trace"].toArray().size(), 10000);
  // --trace still writes every line: those kept, those counted, and creation's,
  // besides its own "### NAME.scp" lines that name the script.
  const QByteArray all = Read(traceFile);
  const qsizetype written = all.count('\n') - all.count("### ");
  EXPECT_EQ(10000 + step["traceLeftOut"].toInteger() + r.Step(0)["trace"].toArray().size(), written);
  EXPECT_FALSE(r.Step(0).contains("traceLeftOut"));
}

}  // namespace
}  // namespace lumora::testing
