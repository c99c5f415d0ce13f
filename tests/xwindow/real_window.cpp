// The player in a real window on an X server of its own (Xvfb): the window's
// close button, pressed as a window manager does, ends a script that never
// waits and one that loops on pauses, and the unfinished run saves nothing;
// the window's class is the desktop entry's; a
// web page keeps its margins inside its frame; F12 and --inspect open the
// inspector beside the game.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "xvfb.h"

namespace {

using lumora_x::Read;
using lumora_x::Write;
using lumora_x::Xvfb;

TEST(RealWindow, TheCloseButtonEndsAScriptThatNeverEndsAndTheSaveIsKept) {
  Xvfb x;
  ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
  const struct {
    const char* what;
    QByteArray start;
  } cases[] = {
      {"a jump to itself", "reg= 1,antes\r\n:a\r\ngoto a\r\n"},
      {"a loop on pauses", "reg= 1,antes\r\n:a\r\npausa= 1\r\nreg+ 3,1\r\ngoto a\r\n"},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    QDir source(QStringLiteral(LUMORA_GAMES) + "/logic");
    for (const QString& name : source.entryList(QDir::Files)) QFile::copy(source.filePath(name), dir.filePath(name));
    Write(dir.filePath("start.scp"), c.start);
    Write(dir.filePath("w.walk"), "start\n");
    const QByteArray saved = Read(dir.filePath("logic.rgs"));
    QProcess player;
    player.setProcessEnvironment(x.Environment());
    const QString trace = dir.filePath("trace.txt");
    player.start(QStringLiteral(LUMORA_BIN), {"--trace=" + trace, "--play", dir.filePath("w.walk"), dir.path()});
    // The button is pressed once the script runs: its first line is traced.
    QElapsedTimer waited;
    waited.start();
    while (!Read(trace).contains("reg= 1,antes") && waited.elapsed() < 60000) QThread::msleep(10);
    ASSERT_TRUE(Read(trace).contains("reg= 1,antes")) << c.what << ": the script did not start";
    QProcess closer;
    closer.setProcessEnvironment(x.Environment());
    closer.start(QStringLiteral(LUMORA_X_CLOSE), QStringList());
    ASSERT_TRUE(closer.waitForFinished(60000)) << c.what;
    EXPECT_EQ(closer.exitCode(), 0) << c.what << ": " << closer.readAllStandardError().toStdString();
    // The desktop entry names the window's class, so a dock shows one icon for both.
    EXPECT_TRUE(Read(LUMORA_DESKTOP_ENTRY).contains("\nStartupWMClass=" + closer.readAllStandardOutput()))
        << c.what;
    const bool ended = player.waitForFinished(20000);
    if (!ended) {
      player.kill();
      player.waitForFinished();
    }
    ASSERT_TRUE(ended) << c.what << ": the program did not end";
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit) << c.what;
    EXPECT_EQ(player.exitCode(), 0) << c.what << ": " << player.readAllStandardError().toStdString();
    EXPECT_EQ(Read(dir.filePath("logic.rgs")), saved) << c.what;
  }
}

// The demo's page place in a real window, first and again: while the page
// loads, the frame shows the game's background colour, never a white box;
// then the page's text starts at the margin its head gives (leftmargin=10)
// and wraps before the frame's right edge, though the web view is 20 pixels
// wider than the area showing it.
TEST(RealWindow, APageKeepsItsMarginsInsideItsFrame) {
  Xvfb x;
  ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
  QTemporaryDir dir;
  QDir source(QStringLiteral(LUMORA_DEMO));
  for (const QString& name : source.entryList(QDir::Files)) QFile::copy(source.filePath(name), dir.filePath(name));
  // Two visits: the first page of all, and one after a place of another
  // model, whose blank page is written into the document still there. Each
  // "> " shot is taken at a pass of the place's run: during the load.
  constexpr int kVisits = 2, kLoadShots = 8;
  const auto file = [&](int visit, const QString& what) {
    return dir.filePath(QString("%1-%2.png").arg(visit).arg(what));
  };
  QByteArray walk = "resume\ntype jardim\ntype pegar chave\ntype entrada\ntype abrir porta\n";
  for (int visit = 0; visit < kVisits; ++visit) {
    walk += "type sala\ntype biblioteca\n";
    for (int i = 0; i < kLoadShots; ++i) walk += "> shot " + file(visit, QString("load%1").arg(i)).toUtf8() + "\n";
    walk += "wait 3000\nshot " + file(visit, "shown").toUtf8() + "\n";
  }
  Write(dir.filePath("w.walk"), walk + "close\n");
  QProcess player;
  QProcessEnvironment env = x.Environment();
  // Under the sanitizers: the web engine's own GPU code, drawing on a real X
  // server, frees an object by a smaller type than it made (inside the
  // engine's library, no frame of ours); every other check stays on.
  env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":new_delete_type_mismatch=0");
  player.setProcessEnvironment(env);
  player.start(QStringLiteral(LUMORA_BIN), {"--zoom", "1", "--play", dir.filePath("w.walk"), dir.path()});
  ASSERT_TRUE(player.waitForFinished(120000));
  // The display area starts at (39, 36) of the window and is 596 wide; the
  // text is dark on the page's light background.
  const int left = 39, right = 39 + 596;
  for (int visit = 0; visit < kVisits; ++visit) {
    const QImage shown(file(visit, "shown"));
    ASSERT_FALSE(shown.isNull()) << visit << player.readAllStandardError().toStdString();
    for (int i = 0; i < kLoadShots; ++i) {
      const QImage loading(file(visit, QString("load%1").arg(i)));
      ASSERT_FALSE(loading.isNull()) << visit << " " << i;
      int white = 0;
      for (int y = 40; y < 300; ++y)
        for (int x = left; x < right; ++x) white += loading.pixel(x, y) == qRgb(255, 255, 255);
      EXPECT_EQ(white, 0) << "visit " << visit << ", during the load, shot " << i;
    }
    int firstInk = right, lastInk = left;
    for (int y = 40; y < 300; ++y)
      for (int x = left; x < right; ++x)
        if (qGray(shown.pixel(x, y)) < 100) firstInk = std::min(firstInk, x), lastInk = std::max(lastInk, x);
    EXPECT_GE(firstInk - left, 6) << visit;
    EXPECT_LE(firstInk - left, 13) << visit;
    EXPECT_LE(lastInk, right - 10) << visit;
  }
}

// The library in a real window: two games show with their pictures (cached
// as thumbnails), and a double click on the first plays it, as a process of
// its own, its last play noted in the list.
TEST(RealWindow, TheLibraryShowsItsGamesWithPicturesAndPlaysOne) {
  Xvfb x;
  ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
  QTemporaryDir home;
  QProcessEnvironment env = x.Environment();
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) env.insert(name, home.path());
  auto lumora = [&](const QStringList& args, int ms = 30000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LUMORA_BIN), args);
    EXPECT_TRUE(p.waitForFinished(ms)) << args.join(' ').toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
  };
  for (const char* game : {"jogo1", "jogo2"}) {
    QDir().mkpath(home.filePath(game));
    QDir source(QStringLiteral(LUMORA_DEMO));
    for (const QString& name : source.entryList(QDir::Files))
      QFile::copy(source.filePath(name), home.filePath(QString(game) + "/" + name));
    lumora({"--library", "add", home.filePath(game)});
  }
  lumora({"--library", "show-all"});
  EXPECT_EQ(QDir(home.filePath("lumora/thumbnails")).entryList(QDir::Files).size(), 2);

  QProcess library;
  library.setProcessEnvironment(env);
  library.start(QStringLiteral(LUMORA_BIN), QStringList{});
  // The first game's picture in the list, clicked twice as a hand does.
  QProcess driver;
  driver.setProcessEnvironment(env);
  driver.start(QStringLiteral(LUMORA_X_INPUT), {"sleep", "1500", "click", "100", "60", "sleep", "80", "click", "100", "60"});
  ASSERT_TRUE(driver.waitForFinished(40000));
  EXPECT_EQ(driver.exitCode(), 0);
  QElapsedTimer waited;
  waited.start();
  bool played = false;
  while (!played && waited.elapsed() < 20000) {
    QThread::msleep(300);
    played = lumora({"--library", "list"}).contains("\"lastPlayed\":1");
  }
  EXPECT_TRUE(played) << "the double click played no game";
  library.terminate();
  library.waitForFinished(5000);
}

// The author's inspector is a window of its own: F12 in the game's window
// opens it, and so does --inspect at start.
TEST(RealWindow, F12AndInspectOpenTheInspectorBesideTheGame) {
  if (QStringLiteral(LUMORA_X_INPUT).isEmpty()) GTEST_SKIP() << "no XTest client";
  const struct {
    const char* what;
    QStringList options, keys;
  } cases[] = {
      // The click that gives the window the keyboard starts the game too.
      {"F12", {}, {"click", "20", "20", "sleep", "1000", "key", "F12"}},
      {"--inspect", {"--inspect"}, {}},
  };
  for (const auto& c : cases) {
    Xvfb x;
    ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
    QTemporaryDir dir;
    QDir source(QStringLiteral(LUMORA_DEMO));
    for (const QString& name : source.entryList(QDir::Files)) QFile::copy(source.filePath(name), dir.filePath(name));
    QProcess player;
    player.setProcessEnvironment(x.Environment());
    player.start(QStringLiteral(LUMORA_BIN), QStringList{"--zoom", "1"} + c.options + QStringList{dir.path()});
    QProcess driver;
    driver.setProcessEnvironment(x.Environment());
    driver.start(QStringLiteral(LUMORA_X_INPUT), QStringList{"sleep", "500"} + c.keys + QStringList{"window", "Inspector"});
    ASSERT_TRUE(driver.waitForFinished(60000)) << c.what;
    EXPECT_EQ(driver.exitCode(), 0) << c.what << ": no inspector window; " << driver.readAllStandardError().toStdString();
    player.terminate();
    if (!player.waitForFinished(10000)) {
      player.kill();
      player.waitForFinished();
    }
  }
}

}  // namespace
