// The program's answers to its command line: help and version on standard
// output, usage errors and games not found on standard error, and the exit
// status of each; the player's own texts in the locale's language.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

struct StatusCase {
  const char* what;
  QStringList args;
  QString program;  // empty: the player itself
  int exitCode;
  QString out, err;  // text each must contain; empty: that stream stays empty
};

TEST(WalkCommandLine, EachAnswerHasItsStreamAndItsExitStatus) {
  QTemporaryDir empty;
  // A link named after a game, in a folder without that game.
  const QString link = empty.path() + "/aventura";
  ASSERT_TRUE(QFile::link(QStringLiteral(LUMORA_BIN), link));
  const StatusCase cases[] = {
      {"help", {"--help"}, {}, 0, "Usage: lumora [OPTION]... [GAME]", {}},
      {"version", {"-v"}, {}, 0, "lumora " LUMORA_VERSION "\n", {}},
      {"the keywords", {"--keywords"}, {}, 0, "\nifreg= REGISTER,TEXT,LABEL\n    Jumps to the label when", {}},
      {"the keywords as roff", {"--keywords=man"}, {}, 0, "\n.TP\n.BI \"ifreg= \" \"\\%register\" \",\\:\" \"\\%text\"", {}},
      {"the keywords in an unknown format", {"--keywords=html"}, {}, 2, {}, "--keywords takes man or nothing"},
      {"an unknown option", {"--bogus"}, {}, 2, {}, "lumora --help"},
      {"a bad zoom", {"--zoom", "9"}, {}, 2, {}, "--zoom takes 1, 2 or 3"},
      {"a copy thrown away kept in a folder", {"--fresh", "--state", empty.path()}, {}, 2, {}, "do not go together"},
      {"replays beside a walkthrough", {"--play-all", empty.path(), "--play", "x.walk"}, {}, 2, {}, "--play-all goes"},
      {"a missing path", {empty.path() + "/nada.ini"}, {}, 2, {}, "no such game: "},
      {"a folder without a game", {empty.path()}, {}, 2, {}, "no game (.ini) in "},
      {"no configuration beside the program", {"--headless", "--play", "nada.walk"}, link, 2, {},
       "lumora path/to/game.ini"},
      {"checking nothing", {"--check"}, link, 2, {}, "no aventura.ini beside"},
  };
  for (const StatusCase& c : cases) {
    SCOPED_TRACE(c.what);
    QProcess p;
    p.start(c.program.isEmpty() ? QStringLiteral(LUMORA_BIN) : c.program, c.args);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), c.exitCode);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (c.out.isEmpty()) EXPECT_EQ(out, "");
    else EXPECT_TRUE(out.contains(c.out)) << out.toStdString();
    if (c.err.isEmpty()) EXPECT_EQ(err, "");
    else EXPECT_TRUE(err.contains(c.err)) << err.toStdString();
  }
  EXPECT_EQ(QDir(empty.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"aventura"});
}

// The library's test mode, on a settings folder of its own: a player's state
// folder is refused, a game is added, played as the window plays it (a process
// of its own, its last play noted, a slot saved), opened resumed from that
// slot, listed with its thumbnail and slot, and removed again, its files left
// alone.
TEST(WalkCommandLine, TheLibrarysTestModeAddsPlaysListsAndRemoves) {
  QTemporaryDir home, state;
  const QString game = PlayWalk("spine", "close\n").folder;
  ASSERT_TRUE(QFile::copy(game + "/spine.ini", state.filePath("spine.ini")));
  QFile walk(home.filePath("play.walk"));
  ASSERT_TRUE(walk.open(QIODevice::WriteOnly) && walk.write("start\nlink sala&Prm=porta\nsave um\nquit\n") > 0);
  walk.close();
  QFile quit(home.filePath("quit.walk"));
  ASSERT_TRUE(quit.open(QIODevice::WriteOnly) && quit.write("quit\n") > 0);
  quit.close();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) env.insert(name, home.path());
  const struct {
    QStringList args;
    int exitCode;
    const char* err;         // contained in standard error; "" for none
    int listed;              // games listed
    bool played, thumbnail;  // of the game listed
    int saved;  // its save slots
    const char* opensIn = "";  // the script the game's first step shows; "" when not played with --json
  } steps[] = {
      {{"add", state.path()}, 2, "holds no game's scripts", 0, false, false, 0},
      {{"add", game}, 0, "", 1, false, false, 0},
      {{"play", game, "--play", walk.fileName(), "--headless", "--json"}, 0, "", 1, true, false, 1, "start"},
      // Opened from the slot, the opening screen had nothing to keep: no slot is added.
      {{"play", game, "--restore", "um", "--play", quit.fileName(), "--headless", "--json"}, 0, "", 1, true, false, 1,
       "sala"},
      {{"list"}, 0, "", 1, true, true, 1},
      {{"remove", game}, 0, "", 0, false, false, 0},
      {{"remove", game}, 2, "not among the games you added", 0, false, false, 0},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.args.join(' ').toStdString());
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LUMORA_BIN), QStringList{"--library"} + s.args);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), s.exitCode);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(s.err));
    std::vector<QJsonObject> listed, played;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
      if (line.startsWith("{\"folder\"")) listed.push_back(QJsonDocument::fromJson(line).object());
      if (line.startsWith("{\"action\"")) played.push_back(QJsonDocument::fromJson(line).object());
    }
    if (*s.opensIn) {
      ASSERT_FALSE(played.empty());
      EXPECT_EQ(played[0]["state"].toObject()["script"].toString(), s.opensIn);
    }
    ASSERT_EQ(static_cast<int>(listed.size()), s.listed);
    if (listed.empty()) continue;
    EXPECT_EQ(listed[0]["folder"].toString(), QDir(game).canonicalPath());
    EXPECT_EQ(listed[0]["lastPlayed"].toInteger() > 0, s.played);
    EXPECT_EQ(listed[0]["thumbnail"].toBool(), s.thumbnail);
    EXPECT_EQ(listed[0]["slots"].toInt(), s.saved);
  }
  EXPECT_TRUE(QFile::exists(game + "/start.scp"));

  // What the library found in a folder is read again once its .ini changes:
  // an opening picture named later is listed.
  QProcess again;
  again.setProcessEnvironment(env);
  again.start(QStringLiteral(LUMORA_BIN), {"--library", "add", game});
  ASSERT_TRUE(again.waitForFinished(60000));
  EXPECT_TRUE(again.readAllStandardOutput().contains("\"picture\":false"));
  QFile ini(game + "/spine.ini");
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  QList<QByteArray> lines = ini.readAll().split('\n');
  ini.close();
  lines[13] = "abertura.png\r";
  QThread::msleep(20);  // a new modification time
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate) && ini.write(lines.join('\n')) > 0);
  ini.close();
  again.start(QStringLiteral(LUMORA_BIN), {"--library", "list"});
  ASSERT_TRUE(again.waitForFinished(60000));
  EXPECT_TRUE(again.readAllStandardOutput().contains("\"picture\":true"));
}

// The player's own texts follow the locale (the tests run under LANGUAGE=C):
// its help, the keyword list, its word on a bad configuration line, which
// frames the game's file and line, and the checker's findings. Brazilian Portuguese for any
// Portuguese, English otherwise.
TEST(WalkCommandLine, ThePlayersOwnTextsAreInTheLocalesLanguage) {
  QTemporaryDir dir;
  CopyFolder(QStringLiteral(LUMORA_DEMO), dir.path());
  QFile ini(dir.filePath("demo.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  QList<QByteArray> lines = ini.readAll().split('\n');
  ini.close();
  lines[5] = "-5\r";  // the register count
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ini.write(lines.join('\n'));
  ini.close();
  QFile script(dir.filePath("erro.scp"));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write("goto nada\r\n");
  script.close();
  const struct {
    const char* language;
    const char* help;
    const char* error;
    const char* finding;
    const char* keyword;  // an entry of --keywords
  } cases[] = {
      {"C", "Usage: lumora", "demo.ini, line 6 (entry 5): a register count of -5 is below zero",
       "erro.scp:1: label 'nada' does not exist in this script", "\ngoto LABEL\n    Jumps to the label.\n"},
      {"en_GB.UTF-8", "Usage: lumora", "demo.ini, line 6 (entry 5): a register count of -5 is below zero",
       "erro.scp:1: label 'nada' does not exist in this script", "\ngoto LABEL\n    Jumps to the label.\n"},
      {"pt_BR.UTF-8", "Uso: lumora", "demo.ini, linha 6 (entrada 5): um número de registradores de -5 é menor que zero",
       "erro.scp:1: rótulo 'nada' não existe neste script", "\ngoto RÓTULO\n    Salta para o rótulo.\n"},
      {"pt_PT:en", "Uso: lumora", "demo.ini, linha 6 (entrada 5): um número de registradores de -5 é menor que zero",
       "erro.scp:1: rótulo 'nada' não existe neste script", "\ngoto RÓTULO\n    Salta para o rótulo.\n"},
  };
  const QByteArray before = qgetenv("LANGUAGE");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    qputenv("LANGUAGE", c.language);
    QProcess help;
    help.start(QStringLiteral(LUMORA_BIN), {"--help"});
    ASSERT_TRUE(help.waitForFinished(60000));
    const QString helpText = QString::fromUtf8(help.readAllStandardOutput());
    EXPECT_TRUE(helpText.startsWith(QString::fromUtf8(c.help)));
    // A terminal's 80 columns, in every language.
    for (const QString& line : helpText.split('\n')) EXPECT_LE(line.size(), 80) << line.toStdString();
    QProcess keywords;
    keywords.start(QStringLiteral(LUMORA_BIN), {"--keywords"});
    ASSERT_TRUE(keywords.waitForFinished(60000));
    const QString list = QString::fromUtf8(keywords.readAllStandardOutput());
    EXPECT_TRUE(list.contains(QString::fromUtf8(c.keyword))) << list.toStdString();
    QProcess check;
    check.start(QStringLiteral(LUMORA_BIN), {"--check", dir.path()});
    ASSERT_TRUE(check.waitForFinished(60000));
    const QString findings = QString::fromUtf8(check.readAllStandardOutput());
    EXPECT_TRUE(findings.contains(QString::fromUtf8(c.finding))) << findings.toStdString();
    const WalkResult r = PlayWalk(dir.path(), "start\nquit\n");
    EXPECT_EQ(r.Step(0)["error"].toString(), QString::fromUtf8(c.error));
  }
  qputenv("LANGUAGE", before);
}

}  // namespace
}  // namespace lumora::testing
