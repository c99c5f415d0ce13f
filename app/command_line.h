// The command line.
#pragma once
#include <string>

namespace lumora {

struct Options {
  bool trace = false;
  std::string traceFile;  // empty: standard error
  std::string play;       // the walkthrough file
  bool json = false, headless = false, web = false;
  bool check = false;     // check the game's scripts instead of playing
  bool speak = false;     // read the messages aloud from the start
  int zoom = 0;           // 1 to 3; 0: chosen from the screen
  std::string game;       // a game's .ini or its folder; empty: the executable's own
  std::string error;      // what was wrong with the command line
};

Options ParseCommandLine(int argc, char** argv);

}  // namespace lumora
