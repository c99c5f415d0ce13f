// The program's answers to its command line: help and version on standard
// output, usage errors and games not found on standard error, and the exit
// status of each.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
      {"an unknown option", {"--bogus"}, {}, 2, {}, "lumora --help"},
      {"a bad zoom", {"--zoom", "9"}, {}, 2, {}, "--zoom takes 1, 2 or 3"},
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

}  // namespace
}  // namespace lumora::testing
