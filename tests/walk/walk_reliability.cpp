// The whole player under scripts that never end and traces that never stop:
// quitting during a pause loop, SIGTERM during an endless jump, endless typing
// or a long sound, a step whose trace is longer than the JSON keeps, a text
// too long to lay out at every letter, a sound file no device can play.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

#include "media/wave_file.h"
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

// The player starting the game, headless or in a window of its own (the real
// platform, offscreen) with the real sound device: SDL's dummy driver, which
// plays in real time to nowhere.
void StartPlaying(QProcess& p, const QString& game, bool headless) {
  QFile walk(game + "/w.walk");
  walk.open(QIODevice::WriteOnly);
  walk.write("start\n");
  walk.close();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", "dummy");
  p.setProcessEnvironment(env);
  QStringList args{"--json", "--play", game + "/w.walk", game};
  if (headless) args.prepend("--headless");
  p.start(QStringLiteral(LUMORA_BIN), args);
}

TEST(WalkReliability, SigtermEndsAnEndlessScript) {
  const struct {
    const char* what;
    QByteArray start;
    int sig;
  } cases[] = {
      {"an endless jump", ":a\r\ngoto a\r\n", SIGTERM},
      {"an endless jump", ":a\r\ngoto a\r\n", SIGINT},
      // Each jump types a word into a text that grows for ever: the look every
      // few thousand jumps came minutes apart.
      {"endless typing", "setmode= 0\r\n:a\r\nmsg= palavra \r\ngoto a\r\n", SIGTERM},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    const QString game = GameWithStart(dir, c.start);
    const QByteArray saved = Read(game + "/logic.rgs");
    QProcess p;
    StartPlaying(p, game, true);
    // Step 0 is printed before the start: then the script is about to loop.
    ASSERT_TRUE(p.waitForReadyRead(60000)) << c.what;
    QThread::msleep(300);  // well into the loop
    kill(static_cast<pid_t>(p.processId()), c.sig);
    ASSERT_TRUE(p.waitForFinished(20000)) << c.what << ", signal " << c.sig << ": the program did not end";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << c.what;
    EXPECT_EQ(p.exitCode(), 0) << c.what;
    EXPECT_EQ(Read(game + "/logic.rgs"), saved) << c.what;
  }
}

// A sound played to its end held the program's end for as long as it lasted
// (54 s of a minute's sound after SIGTERM); the wait now ends and the sound halts.
TEST(WalkReliability, SigtermEndsASoundPlayedToItsEnd) {
  if (!LUMORA_SOUND_DEVICE) GTEST_SKIP() << "a build without SDL2_mixer plays every sound in no time";
  QTemporaryDir dir;
  const QString game = GameWithStart(dir, "playsnd minuto.wav,on\r\nreg= 3,depois\r\n");
  WriteWave((game + "/minuto.wav").toStdString(), {8000, 1, 16, 8000 * 60});
  const QByteArray saved = Read(game + "/logic.rgs");
  QProcess p;
  StartPlaying(p, game, false);
  ASSERT_TRUE(p.waitForReadyRead(60000));
  QThread::msleep(1000);  // the sound is playing
  QElapsedTimer sinceSignal;
  sinceSignal.start();
  kill(static_cast<pid_t>(p.processId()), SIGTERM);
  ASSERT_TRUE(p.waitForFinished(60000)) << "the program did not end";
  EXPECT_LT(sinceSignal.elapsed(), 10000);
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_EQ(Read(game + "/logic.rgs"), saved);
}

// SDL_mixer's music loader divided by zero on a WAVE file of 0 channels: the
// program died of SIGFPE. It is now a music that cannot be opened, on the real
// device and headless alike: the run ends with the file named, the player goes on.
TEST(WalkReliability, AWaveFileOfNoChannelsIsAMusicThatCannotBeOpened) {
  for (const bool headless : {false, true}) {
    if (!headless && !LUMORA_SOUND_DEVICE) continue;  // silence opens any music
    QTemporaryDir dir;
    const QString game = GameWithStart(dir, "playmusic mudo.wav\r\nreg= 3,depois\r\n");
    WriteWave((game + "/mudo.wav").toStdString(), {8000, 0, 16, 0, 0, false, 2, 1, 16, 16000});
    WalkResult r;
    if (headless) {
      r = PlayWalk(game, "start\n");
    } else {
      QProcess p;
      StartPlaying(p, game, false);
      ASSERT_TRUE(p.waitForFinished(60000));
      ASSERT_EQ(p.exitStatus(), QProcess::NormalExit) << "the program died: " << p.readAllStandardError().toStdString();
      r.exitCode = p.exitCode();
      for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (!line.isEmpty()) r.steps.push_back(QJsonDocument::fromJson(line).object());
    }
    ASSERT_EQ(r.exitCode, 0) << headless;
    const QString error = r.Step(1)["error"].toString();
    EXPECT_TRUE(error.startsWith("Cannot open file")) << headless << ": " << error.toStdString();
    EXPECT_TRUE(error.contains("mudo.wav")) << headless << ": " << error.toStdString();
    EXPECT_NE(r.Step(1)["state"].toObject()["registers"].toArray()[3].toString(), "depois") << headless;
  }
}

// Every letter typed laid the whole text out again once the text took longer
// to lay out than a frame: 400,000 letters never ended. A frame now lasts at
// least as long as its paint, and a word without blanks gets its break
// opportunities letter by letter too.
TEST(WalkReliability, FourHundredThousandLettersTypedOneByOneEnd) {
  QByteArray words, word;
  for (int i = 0; i < 50000; ++i) words += "palavra ";
  word.fill('a', 400000);
  for (const QByteArray& text : {words, word}) {
    QTemporaryDir dir;
    const QString game = GameWithStart(dir, "setmode= 0\r\nmsg= " + text + "\r\nreg= 3,depois\r\n");
    const WalkResult r = PlayWalk(game, "start\n");
    ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
    const QJsonObject state = r.Step(1)["state"].toObject();
    EXPECT_EQ(state["memo0"].toString(), QString::fromLatin1(text.trimmed()));
    EXPECT_EQ(state["registers"].toArray()[3].toString(), "depois");
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
