// Finding the game to play from the command line, before anything is created.
#pragma once
#include <string>

namespace lumora {

// The game to play: its folder (ending with "/") and its name, or what is wrong.
struct GameLocation {
  std::string folder, name, error;
};

// GAME is a game's ".ini" file (its folder and its name) or a folder holding
// exactly one ".ini" besides "desktop.ini". Without it (empty) the game is the
// executable's: its folder and its file name without the extension, as given by
// argv[0] and not followed through a symbolic link, so a link named after a game
// and placed in that game's folder plays that game. The game's ".ini" is there
// whenever no error is given; the error without one says how to name a game.
GameLocation LocateGame(const std::string& game, const std::string& argv0);

}  // namespace lumora
