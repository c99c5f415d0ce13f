// lumora --new FOLDER: a small game to start writing from.
#pragma once
#include <string>

namespace lumora {

// Makes FOLDER (which must not hold anything yet) a playable game named after
// it: its configuration with every line, empty state files, a start script,
// two places with exits and a picture each, a vocabulary and the quit button's
// pictures. Prints what it made; returns the exit status.
int RunNewGame(const std::string& folder);

}  // namespace lumora
