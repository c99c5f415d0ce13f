// The driver's actions the monkey needs (a restart from the saved game, a slow
// click), and the monkey itself: the same seed plays the same actions, its run
// replays as a walkthrough, the game's own folder is left alone, and a broken
// invariant gives the seed and the shortest walkthrough that reproduces it.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A copy of a test game whose start script is `start`.
QString GameWithStart(QTemporaryDir& dir, const QByteArray& start, const QString& from = "logic") {
  CopyFolder(QStringLiteral(LUMORA_GAMES) + "/" + from, dir.path());
  QFile script(dir.path() + "/start.scp");
  script.open(QIODevice::WriteOnly | QIODevice::Truncate);
  script.write(start);
  return dir.path();
}

struct ProgramRun {
  int exitCode = -1;
  QString out, errors;
};

ProgramRun Lumora(const QStringList& args, const QString& folder) {
  QProcess p;
  p.setWorkingDirectory(folder);
  p.start(QStringLiteral(LUMORA_BIN), args);
  EXPECT_TRUE(p.waitForFinished(600000));
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// Every file of a folder with its bytes, to see that nothing changed.
QMap<QString, QByteArray> Files(const QString& folder) {
  QMap<QString, QByteArray> files;
  for (const QString& name : QDir(folder).entryList(QDir::Files)) files[name] = Read(folder + "/" + name);
  return files;
}

TEST(WalkMonkey, RestartStartsTheGameAgainFromItsSavedFiles) {
  QTemporaryDir dir;
  const QString game = GameWithStart(dir, "reg+ 1,1\r\nmsg= volta %1\r\n");
  const WalkResult r = PlayWalk(game, "start\nrestart\nstart\nrestart\nrestart\nresume\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  // The window ended at the restart, its run saved; the new one started from it.
  EXPECT_TRUE(r.Step(2)["state"].toObject()["exited"].toBool());
  EXPECT_EQ(r.Step(1)["state"].toObject()["registers"].toArray()[1].toString(), "1");
  EXPECT_FALSE(r.Step(3)["state"].toObject()["exited"].toBool());
  EXPECT_EQ(r.Step(3)["state"].toObject()["registers"].toArray()[1].toString(), "2");
  // Two restarts in a row (the second from the opening picture), then the
  // saved game resumed: it goes on from the count saved.
  EXPECT_TRUE(r.Step(5)["state"].toObject()["exited"].toBool());
  EXPECT_GT(r.Step(6)["state"].toObject()["registers"].toArray()[1].toString().toInt(), 2);
  EXPECT_FALSE(r.Step(6)["state"].toObject()["exited"].toBool());
  EXPECT_TRUE(r.Step(7).isEmpty());
}

TEST(WalkMonkey, ASlowClickIsAPressAWaitAndARelease) {
  const WalkResult r = PlayWalk("access", "start\npress tel 30 30\nwait 800\nrelease tel 30 30\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  // The area's script runs at the release, not at the press.
  EXPECT_NE(r.Step(2)["state"].toObject()["script"].toString(), "um");
  EXPECT_EQ(r.Step(4)["state"].toObject()["script"].toString(), "um");
}

TEST(WalkMonkey, TheSameSeedPlaysTheSameActionsAndTheRunReplays) {
  QTemporaryDir dir;
  const QString game = dir.path() + "/nav";
  QDir().mkpath(game);
  CopyFolder(QStringLiteral(LUMORA_GAMES) + "/nav", game);
  const auto before = Files(game);
  for (const QString& out : {"a.walk", "b.walk"}) {
    const ProgramRun r = Lumora({"--headless", "--monkey", "9:150", "--monkey-out", out, game}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    EXPECT_TRUE(r.out.contains("150 actions, every invariant held")) << r.out.toStdString();
  }
  const QByteArray actions = Read(dir.path() + "/a.walk");
  EXPECT_EQ(actions, Read(dir.path() + "/b.walk"));
  EXPECT_EQ(actions.count('\n'), 150);
  EXPECT_EQ(Files(game), before);  // the monkey played a copy
  // Another seed, other actions.
  ASSERT_EQ(Lumora({"--headless", "--monkey", "10:150", "--monkey-out", "c.walk", game}, dir.path()).exitCode, 0);
  EXPECT_NE(actions, Read(dir.path() + "/c.walk"));
  // The run is a walkthrough the driver plays through.
  const WalkResult replay = PlayWalk(game, QString::fromUtf8(actions));
  ASSERT_EQ(replay.exitCode, 0) << replay.stderrText.toStdString();
  EXPECT_FALSE(replay.Step(150).isEmpty());
}

TEST(WalkMonkey, ABrokenInvariantGivesTheSeedAndTheShortestWalkthroughReproducingIt) {
  // An area no click can reach, made when the game starts or resumes.
  QTemporaryDir dir;
  const QString game = GameWithStart(dir, "lnktel= porta.bmp,start,5000,5000,40,30,1\r\n", "access");
  const ProgramRun r = Lumora({"--headless", "--monkey", "4:300", "--monkey-out", "m.walk", game}, dir.path());
  EXPECT_EQ(r.exitCode, 3) << r.errors.toStdString();
  EXPECT_TRUE(r.errors.contains("lumora monkey 4:300 on ")) << r.errors.toStdString();
  EXPECT_TRUE(r.errors.contains("links: area 0 at 5000,5000")) << r.errors.toStdString();
  const QString fail = Read(dir.path() + "/m.walk.fail.walk");
  ASSERT_TRUE(fail.startsWith("# lumora --monkey 4:300 ")) << fail.toStdString();
  EXPECT_TRUE(fail.contains("the shortest prefix that reproduces it")) << fail.toStdString();
  // It ends at the first start or resume: the action that made the area.
  QStringList actions;
  for (const QString& line : fail.split('\n'))
    if (!line.isEmpty() && !line.startsWith('#')) actions << line;
  ASSERT_FALSE(actions.isEmpty());
  EXPECT_TRUE(actions.last() == "start" || actions.last() == "resume") << fail.toStdString();
  EXPECT_EQ(actions.filter(QRegularExpression("^(start|resume)$")).size(), 1) << fail.toStdString();
  // Played by the driver, its last step shows the area.
  const WalkResult replay = PlayWalk(game, fail);
  ASSERT_EQ(replay.exitCode, 0) << replay.stderrText.toStdString();
  const QJsonArray links = replay.steps.back()["state"].toObject()["links"].toArray();
  ASSERT_FALSE(links.isEmpty());
  EXPECT_EQ(links[0].toObject()["left"].toInt(), 5000);
}

}  // namespace
}  // namespace lumora::testing
