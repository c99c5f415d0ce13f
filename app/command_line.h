// The command line and how it names the game.
#pragma once
#include <string>

namespace lumora {

struct Options {
  bool trace = false;
  std::string traceFile;  // empty: standard error
  std::string play;       // the walkthrough file
  bool json = false, headless = false, web = false;
  std::string game;       // a game's .ini or its folder; empty: the executable's own
  std::string error;      // what was wrong with the command line
};

Options ParseCommandLine(int argc, char** argv);

// The game to play: its folder (ending with "/") and its name.
struct GameLocation {
  std::string folder, name, error;
};

// Without a GAME argument the game is the executable's: its folder and its file
// name without the extension, as given by argv[0] (a symbolic link named after
// a game in that game's folder plays that game).
GameLocation LocateGame(const Options& options, const std::string& argv0);

}  // namespace lumora
