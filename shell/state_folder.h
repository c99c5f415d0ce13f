// Where a game's state is written: beside the game, or in the player's own
// folder when the game's folder cannot be written (a game installed read-only).
#pragma once
#include <string>

namespace lumora {

class Platform;
struct TForm1;

// The name of a game's own folder among the player's data: the game's name and
// a digest of its folder's real path, so two games of the same name keep their
// saved games and slots apart ("aventura-1f3c9a07").
std::string PlayerGameKey(const std::string& gameName, const std::string& programFolder);

// The player's data folder for the game (native, ending with "/"), "" when the
// system names none. Not made here. (The state of a game that cannot be written
// lives there; a folder an older version kept under the game's name alone is
// moved there the first time, so no player loses a saved game.)
std::string PlayerGameFolder(Platform& platform, const std::string& gameName, const std::string& programFolder);

// Sets f.stateFolder for the game f.gameName in f.programFolder: the folder
// given from outside when there is one; else the game's folder when it can be written; else the player's data folder for the game, made
// when missing; else a folder for this session alone, and the player is told
// once that nothing of the session will be kept.
void ChooseStateFolder(TForm1& f);

// Removes a folder ChooseStateFolder made for this session alone, at shutdown.
void RemoveSessionStateFolder(TForm1& f);

}  // namespace lumora
