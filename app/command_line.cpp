// The command line and how it names the game. One table describes every
// option, for the parser and for the help alike.
#include "app/command_line.h"

#include <QCommandLineParser>

#include "core/translation.h"

namespace lumora {
namespace {

struct OptionSpec {
  QStringList names;   // one letter: -x; longer: --name
  QString value;       // the value's name; empty: a switch
  QString optional;    // a value that may follow as =VALUE, for a switch
  const char* help;
};

const std::vector<OptionSpec>& Specs() {
  static const std::vector<OptionSpec> specs = {
      {{"h", "help"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "show this help and end")},
      {{"v", "version"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "show the version and end")},
      {{"trace"}, {}, "FILE", QT_TRANSLATE_NOOP("CommandLine", "write every trace line to standard error (or FILE)")},
      {{"play"},
       "WALKTHROUGH",
       {},
       QT_TRANSLATE_NOOP("CommandLine", "play a walkthrough, printing every step, then quit")},
      {{"json"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "with --play: print the state as JSON after every step")},
      {{"play-all"},
       "FOLDER",
       {},
       QT_TRANSLATE_NOOP("CommandLine", "replay every FOLDER/*.walk from the shipped state")},
      {{"record"}, "FILE", {}, QT_TRANSLATE_NOOP("CommandLine", "write what you do as a walkthrough (implies --fresh)")},
      {{"fresh"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "play from the shipped state on a copy thrown away")},
      {{"state"}, "FOLDER", {}, QT_TRANSLATE_NOOP("CommandLine", "keep the saved game in FOLDER, not the game's")},
      {{"watch"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "run the place's script again when a game file changes")},
      {{"headless"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "with --play: no window, a virtual clock")},
      {{"web"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "with --play: the real web view, also headless")},
      {{"check"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "check the game instead of playing; changes nothing")},
      {{"keywords"},
       {},
       "man",
       QT_TRANSLATE_NOOP("CommandLine", "list the script commands, what each does (=man: roff)")},
      {{"monkey"},
       "SEED:N",
       {},
       QT_TRANSLATE_NOOP("CommandLine", "play N random actions chosen by SEED, checking each")},
      {{"monkey-out"},
       "FILE",
       {},
       QT_TRANSLATE_NOOP("CommandLine", "with --monkey: write its actions as a walkthrough")},
      {{"zoom"}, "N", {}, QT_TRANSLATE_NOOP("CommandLine", "draw the window N times larger (1-3; Ctrl+plus/minus/0)")},
      {{"speak"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "read the messages aloud from the start (F6 toggles)")},
      {{"inspect"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "open the author's inspector beside the game (F12)")},
      {{"demo"}, {}, {}, QT_TRANSLATE_NOOP("CommandLine", "without GAME: play the demo installed with lumora")},
      {{"new"}, "FOLDER", {}, QT_TRANSLATE_NOOP("CommandLine", "make a small playable game in FOLDER to start from")},
      {{"restore"}, "SLOT", {}, QT_TRANSLATE_NOOP("CommandLine", "open the game resumed from a saved slot (F9)")},
      {{"library"},
       "WHAT",
       {},
       QT_TRANSLATE_NOOP("CommandLine", "the library: list, show, add/remove/play GAME")},
  };
  return specs;
}

QString Shown(const OptionSpec& s) {
  QStringList names;
  for (const QString& n : s.names) names << (n.size() == 1 ? "-" : "--") + n;
  QString text = names.join(", ");
  if (!s.value.isEmpty()) text += " " + s.value;
  if (!s.optional.isEmpty()) text += "[=" + s.optional + "]";
  return text;
}

// "--trace=FILE" and "--keywords=man" give a value to a switch, which the
// parser does not know: the value is taken out here and the switch left.
QStringList WithoutSwitchValues(const std::vector<std::string>& args, Options& o) {
  const std::pair<std::string, std::string Options::*> switches[] = {{"--trace=", &Options::traceFile},
                                                                     {"--keywords=", &Options::keywordsFormat}};
  QStringList list;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    QString a = QString::fromStdString(args[i]);
    if (i > 0 && !optionsEnded && a == "--") optionsEnded = true;
    for (const auto& [prefix, value] : switches) {
      if (i > 0 && !optionsEnded && args[i].starts_with(prefix)) {
        o.*value = args[i].substr(prefix.size());
        a = QString::fromStdString(prefix.substr(0, prefix.size() - 1));
      }
    }
    list << a;
  }
  return list;
}

std::string CombinationError(const Options& o) {
  if (!o.monkey.empty() && (!o.play.empty() || o.check || o.json))
    return translate("CommandLine", "--monkey goes without --play, --check and --json").toStdString();
  if (!o.monkeyOut.empty() && o.monkey.empty())
    return translate("CommandLine", "--monkey-out goes with --monkey").toStdString();
  if ((o.library == "add" || o.library == "remove" || o.library == "play") && o.game.empty())
    return translate("CommandLine", "--library %1 needs the GAME").arg(QString::fromStdString(o.library)).toStdString();
  if ((o.headless || o.web) && o.play.empty() && o.monkey.empty())
    return translate("CommandLine", "--headless and --web go with --play or --monkey").toStdString();
  if (o.json && o.play.empty()) return translate("CommandLine", "--json goes with --play").toStdString();
  if (!o.playAll.empty() && (!o.play.empty() || !o.monkey.empty() || !o.record.empty() || o.json))
    return translate("CommandLine", "--play-all goes without --play, --monkey, --record and --json").toStdString();
  if (o.fresh && !o.stateFolder.empty())
    return translate("CommandLine", "--fresh and --state do not go together").toStdString();
  if (!o.monkey.empty() && (!o.record.empty() || !o.stateFolder.empty() || o.fresh))
    return translate("CommandLine", "--monkey goes without --record, --state and --fresh").toStdString();
  if (o.check && (o.trace || !o.play.empty()))
    return translate("CommandLine", "--check goes alone, with the game to check").toStdString();
  return "";
}

}  // namespace

Options ParseCommandLine(const std::vector<std::string>& args) {
  Options o;
  QCommandLineParser parser;
  // "-zoom 2" reads as "--zoom 2", as people type it.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const OptionSpec& s : Specs())
    parser.addOption(QCommandLineOption(s.names, translate("CommandLine", s.help), s.value));
  if (!parser.parse(WithoutSwitchValues(args, o))) {
    o.error = parser.errorText().toStdString();
    return o;
  }
  o.help = parser.isSet("help");
  o.version = parser.isSet("version");
  o.trace = parser.isSet("trace");
  o.play = parser.value("play").toStdString();
  o.json = parser.isSet("json");
  o.headless = parser.isSet("headless");
  o.web = parser.isSet("web");
  o.check = parser.isSet("check");
  o.speak = parser.isSet("speak");
  o.inspect = parser.isSet("inspect");
  o.demo = parser.isSet("demo");
  o.library = parser.value("library").toStdString();
  o.restore = parser.value("restore").toStdString();
  o.newGame = parser.value("new").toStdString();
  o.playAll = parser.value("play-all").toStdString();
  o.record = parser.value("record").toStdString();
  o.stateFolder = parser.value("state").toStdString();
  o.fresh = parser.isSet("fresh") || (!o.record.empty() && o.stateFolder.empty());
  o.watch = parser.isSet("watch");
  if (!o.library.empty() && o.library != "list" && o.library != "add" && o.library != "remove" &&
      o.library != "play" && o.library != "show" && o.library != "show-all")
    o.error = translate("CommandLine", "--library takes list, add, remove, play or show, not %1")
                  .arg(QString::fromStdString(o.library))
                  .toStdString();
  o.keywords = parser.isSet("keywords");
  if (!o.keywordsFormat.empty() && o.keywordsFormat != "man")
    o.error = translate("CommandLine", "--keywords takes man or nothing, not %1")
                  .arg(QString::fromStdString(o.keywordsFormat))
                  .toStdString();
  o.monkeyOut = parser.value("monkey-out").toStdString();
  if (parser.isSet("monkey")) {
    o.monkey = parser.value("monkey").toStdString();
    // SEED:N, both decimal; the seed any 64-bit number, N at least 1.
    const QStringList parts = parser.value("monkey").split(':');
    bool seedOk = false, countOk = false;
    if (parts.size() == 2) {
      o.monkeySeed = parts[0].toULongLong(&seedOk);
      o.monkeyActions = parts[1].toInt(&countOk);
    }
    if (!seedOk || !countOk || o.monkeyActions < 1)
      o.error = translate("CommandLine", "--monkey takes SEED:N (N actions, at least 1), not %1")
                    .arg(parser.value("monkey"))
                    .toStdString();
  }
  if (parser.isSet("zoom")) {
    const QString n = parser.value("zoom");
    if (n == "1" || n == "2" || n == "3") o.zoom = n.toInt();
    else
      o.error = translate("CommandLine", "--zoom takes 1, 2 or 3, not %1").arg(n).toStdString();
  }
  const QStringList games = parser.positionalArguments();
  if (!games.isEmpty()) o.game = games[0].toStdString();
  if (games.size() > 1) o.error = translate("CommandLine", "more than one game given: %1").arg(games[1]).toStdString();
  if (o.error.empty() && !o.help && !o.version && !o.keywords) o.error = CombinationError(o);
  return o;
}

Options ParseCommandLine(int argc, char** argv) { return ParseCommandLine(std::vector<std::string>(argv, argv + argc)); }

std::string HelpText() {
  QString text = translate("CommandLine",
                           "Usage: lumora [OPTION]... [GAME]\n"
                           "       lumora --check [GAME]\n"
                           "       lumora --keywords[=man]\n"
                           "Plays an adventure game written as plain-text scripts.\n"
                           "\n"
                           "Options:\n");
  for (const OptionSpec& s : Specs())
    text += QString("  %1 %2\n").arg(Shown(s), -22).arg(translate("CommandLine", s.help));
  text += translate("CommandLine",
                    "\n"
                    "GAME is one of:\n"
                    "  path/to/game.ini       a game's configuration file\n"
                    "  path/to/game-folder    a folder holding one game (.ini)\n"
                    "  (nothing)              the game named after the program: a symbolic link to\n"
                    "                         lumora named after the game (aventura), placed in the\n"
                    "                         game's folder, plays aventura.ini from that folder\n"
                    "\n"
                    "From a file manager, open a game's .ini with the command lumora.\n"
                    "\n"
                    "The saved game (registers, objects, configuration, map) is written in the\n"
                    "game's folder. When that folder is not writable, it goes to the user's data\n"
                    "folder, ~/.local/share/lumora/GAME-KEY (KEY tells same-named games apart),\n"
                    "which is read first when present. F5 saves the game into a slot kept there,\n"
                    "F9 restores one, Ctrl+Z takes back the last action (Ctrl+Shift+Z redoes).\n"
                    "Started without a game, lumora shows the library of your games.\n"
                    "\n"
                    "Exit status: 0 done; 1 the game's configuration could not be read (--check:\n"
                    "findings; --play: an expect line failed); 2 a usage error or no game found.\n"
                    "\n"
                    "Examples:\n");
  text +=
      "  lumora ~/jogos/aventura/aventura.ini\n"
      "  lumora --headless --json --play walk.txt ~/jogos/aventura\n"
      "  lumora --headless --monkey 7:2000 ~/jogos/aventura\n";
  return text.toStdString();
}

std::string VersionText() { return "lumora " LUMORA_VERSION "\n"; }

std::string UsageHint() { return translate("CommandLine", "Try 'lumora --help' for more information.").toStdString(); }

}  // namespace lumora
