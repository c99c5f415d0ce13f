// The command line: what each form of it asks for, what it rejects, and the
// help that lists every option.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <tuple>

namespace lumora {
namespace {

struct ParseCase {
  const char* what;
  std::vector<std::string> args;  // after the program's name
  Options want;                   // error: the text it contains; empty: none
};

Options With(void (*set)(Options&)) {
  Options o;
  set(o);
  return o;
}

// Everything the command line asks for, to compare at once.
auto Fields(const Options& o) {
  return std::tie(o.help, o.version, o.trace, o.traceFile, o.play, o.json, o.headless, o.web, o.check, o.speak, o.zoom,
                  o.demo, o.game, o.monkey, o.monkeySeed, o.monkeyActions, o.monkeyOut, o.keywords, o.keywordsFormat,
                  o.inspect);
}

TEST(CommandLine, ReadsEveryFormAndRejectsUsageErrors) {
  const ParseCase cases[] = {
      {"nothing: the program's own game", {}, {}},
      {"-h", {"-h"}, With([](Options& o) { o.help = true; })},
      {"--help", {"--help"}, With([](Options& o) { o.help = true; })},
      {"-v", {"-v"}, With([](Options& o) { o.version = true; })},
      {"--version", {"--version"}, With([](Options& o) { o.version = true; })},
      {"help beside a lone --json", {"--json", "--help"}, With([](Options& o) { o.json = o.help = true; })},
      {"trace to standard error", {"--trace"}, With([](Options& o) { o.trace = true; })},
      {"trace to a file", {"--trace=t.txt", "g.ini"},
       With([](Options& o) { o.trace = true, o.traceFile = "t.txt", o.game = "g.ini"; })},
      {"a walkthrough with all its switches", {"--play", "w.txt", "--json", "--headless", "--web", "jogo"},
       With([](Options& o) { o.play = "w.txt", o.json = o.headless = o.web = true, o.game = "jogo"; })},
      {"the value after =", {"--play=w.txt", "--zoom=3"}, With([](Options& o) { o.play = "w.txt", o.zoom = 3; })},
      {"a single dash reads as two", {"-zoom", "2", "-speak"}, With([](Options& o) { o.zoom = 2, o.speak = true; })},
      {"check a folder", {"--check", "jogos/aventura"}, With([](Options& o) { o.check = true, o.game = "jogos/aventura"; })},
      {"the demo", {"--demo"}, With([](Options& o) { o.demo = true; })},
      {"the inspector from the start", {"--inspect", "jogo"}, With([](Options& o) { o.inspect = true, o.game = "jogo"; })},
      {"the keywords", {"--keywords"}, With([](Options& o) { o.keywords = true; })},
      {"the keywords as roff", {"--keywords=man"}, With([](Options& o) { o.keywords = true, o.keywordsFormat = "man"; })},
      {"the keywords beside a lone --json", {"--json", "--keywords"}, With([](Options& o) { o.json = o.keywords = true; })},
      {"a trace file and a format together", {"--trace=t", "--keywords=man"},
       With([](Options& o) { o.trace = o.keywords = true, o.traceFile = "t", o.keywordsFormat = "man"; })},
      {"a game named like the format, after --", {"--", "--keywords=man"}, With([](Options& o) { o.game = "--keywords=man"; })},
      {"the keywords in an unknown format", {"--keywords=html"},
       With([](Options& o) { o.error = "--keywords takes man or nothing, not html"; })},
      {"a game named like an option, after --", {"--", "--trace=x"}, With([](Options& o) { o.game = "--trace=x"; })},
      {"an unknown option", {"--bogus"}, With([](Options& o) { o.error = "bogus"; })},
      {"a value for a switch", {"--json=1", "--play", "w"}, With([](Options& o) { o.error = "json"; })},
      {"a missing value", {"--play"}, With([](Options& o) { o.error = "play"; })},
      {"a zoom out of range", {"--zoom", "4"}, With([](Options& o) { o.error = "--zoom takes 1, 2 or 3, not 4"; })},
      {"two games", {"a.ini", "b.ini"}, With([](Options& o) { o.error = "more than one game given: b.ini"; })},
      {"--headless without --play", {"--headless"}, With([](Options& o) { o.error = "go with --play"; })},
      {"--check with a walkthrough", {"--check", "--play", "w"}, With([](Options& o) { o.error = "--check goes alone"; })},
      {"a monkey with its switches", {"--monkey", "18446744073709551615:2000", "--monkey-out", "m.walk", "--headless", "jogo"},
       With([](Options& o) {
         o.monkey = "18446744073709551615:2000", o.monkeySeed = 18446744073709551615ull, o.monkeyActions = 2000;
         o.monkeyOut = "m.walk", o.headless = true, o.game = "jogo";
       })},
      {"a monkey without a count", {"--monkey", "7"}, With([](Options& o) { o.error = "--monkey takes SEED:N"; })},
      {"a monkey of no actions", {"--monkey", "7:0"}, With([](Options& o) { o.error = "--monkey takes SEED:N"; })},
      {"a monkey with a walkthrough", {"--monkey", "7:5", "--play", "w"}, With([](Options& o) { o.error = "--monkey goes without"; })},
      {"--monkey-out alone", {"--monkey-out", "m.walk"}, With([](Options& o) { o.error = "--monkey-out goes with --monkey"; })},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"lumora"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Options o = ParseCommandLine(args);
    if (!c.want.error.empty()) {
      EXPECT_NE(o.error.find(c.want.error), std::string::npos) << o.error;
      continue;
    }
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(Fields(o), Fields(c.want));
  }
}

TEST(CommandLine, TheHelpShowsEveryOptionTheGameFormsAndWhereStateGoes) {
  const QString help = QString::fromStdString(HelpText());
  // Each option is accepted, and has its line in the help.
  const std::vector<std::vector<std::string>> options = {
      {"-h"}, {"--help"}, {"-v"}, {"--version"}, {"--trace[=FILE]", "--trace"}, {"--play WALKTHROUGH", "--play", "w"},
      {"--json", "--play", "w"}, {"--headless", "--play", "w"}, {"--web", "--play", "w"}, {"--check"},
      {"--zoom N", "--zoom", "1"}, {"--speak"}, {"--inspect"}, {"--demo"}, {"--keywords[=man]", "--keywords=man"},
      {"--monkey SEED:N", "--monkey", "1:1"},
      {"--monkey-out FILE", "--monkey", "1:1", "--monkey-out", "f"}, {"--library WHAT", "--library", "list"},
      {"--new FOLDER", "--new", "f"}, {"--restore SLOT", "--restore", "um", "g"},
      {"--play-all FOLDER", "--play-all", "f"}, {"--record FILE", "--record", "f"}, {"--fresh"},
      {"--state FOLDER", "--state", "f"}, {"--watch"}};
  // And in both manual pages, as roff writes it.
  std::string pages[2];
  for (int i = 0; i < 2; ++i) {
    std::ifstream in(std::string(LUMORA_DATA) + (i == 0 ? "/lumora.6.in" : "/lumora.pt_BR.6.in"), std::ios::binary);
    pages[i].assign(std::istreambuf_iterator<char>(in), {});
    ASSERT_FALSE(pages[i].empty()) << i;
  }
  for (const auto& o : options) {
    SCOPED_TRACE(o[0]);
    EXPECT_TRUE(help.contains(QRegularExpression("^  (\\S+, )?" + QRegularExpression::escape(QString::fromStdString(o[0])) + "[ ,]",
                                                 QRegularExpression::MultilineOption)));
    std::vector<std::string> args = {"lumora"};
    args.insert(args.end(), o.size() > 1 ? o.begin() + 1 : o.begin(), o.end());
    EXPECT_EQ(ParseCommandLine(args).error, "");
    const std::string name = o[0].substr(0, o[0].find_first_of(" ["));
    std::string roff;
    for (const char c : name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
    for (const std::string& page : pages) EXPECT_NE(page.find(roff), std::string::npos) << roff;
  }
  for (const char* text : {"GAME", "game.ini", "folder", "symbolic link", "~/.local/share/lumora/GAME", "Exit status",
                           "Examples:\n  lumora "})
    EXPECT_TRUE(help.contains(text)) << text;
  for (const QString& line : help.split('\n')) EXPECT_LE(line.size(), 80) << line.toStdString();
  EXPECT_TRUE(QString::fromStdString(VersionText()).contains(QRegularExpression("^lumora \\d+\\.\\d+\\.\\d+\n$")));
}

}  // namespace
}  // namespace lumora
