// The command line.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lumora {

struct Options {
  bool help = false, version = false;  // print that and end
  bool trace = false;
  std::string traceFile;  // empty: standard error
  std::string play;       // the walkthrough file
  bool json = false, headless = false, web = false;
  bool check = false;     // check the game's scripts instead of playing
  bool keywords = false;  // print the keyword reference and end
  std::string keywordsFormat;  // "man": as the manual page's roff; empty: for a terminal
  bool speak = false;     // read the messages aloud from the start
  bool inspect = false;   // open the author's inspector from the start
  int zoom = 0;           // 1 to 3; 0: chosen from the screen
  // --monkey SEED:N: N random actions, the seed choosing them (see app/monkey.h).
  std::string monkey;     // as written; empty: no monkey
  uint64_t monkeySeed = 0;
  int monkeyActions = 0;
  std::string monkeyOut;  // where the actions are written as a walkthrough; empty: a name from the seed
  std::string game;       // a game's .ini or its folder; empty: the executable's own
  bool demo = false;      // without a game: the demo installed with the program
  std::string library;    // the library's test mode: "list", "add", "remove" or "play"; empty: none
  std::string restore;    // a save slot (id or name) the game opens resumed from; empty: none
  std::string newGame;    // --new: the folder to make a game in; empty: none
  // Where the saved game is kept instead of the game's own folder (--state);
  // with fresh, a temporary copy thrown away at the end. Either way the play
  // starts from the files the game folder holds, which are only read.
  std::string stateFolder;
  bool fresh = false;
  std::string record;     // --record: the walkthrough file the session is written to
  std::string playAll;    // --play-all: the folder whose walkthroughs are replayed
  bool watch = false;     // --watch: a changed game file runs the place's script again
  std::string error;      // what was wrong with the command line
};

// The program's exit statuses.
constexpr int kExitDone = 0;
constexpr int kExitGameUnreadable = 1;  // the configuration could not be read at creation
constexpr int kExitExpectFailed = 1;    // a walkthrough's expect line did not hold
constexpr int kExitUsage = 2;           // a usage error, or no game found
constexpr int kExitMonkeyFound = 3;     // --monkey: a run broke an invariant, crashed or hung

// Reads the command line (argv[0] is the program) without needing the
// application object, so that what it says can shape the application's start.
Options ParseCommandLine(const std::vector<std::string>& args);
Options ParseCommandLine(int argc, char** argv);

// What --help and --version print.
std::string HelpText();
std::string VersionText();

// The line that follows a usage error on standard error.
std::string UsageHint();

}  // namespace lumora
