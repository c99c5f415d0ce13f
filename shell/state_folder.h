// Where a game's state is written: beside the game, or in the player's own
// folder when the game's folder cannot be written (a game installed read-only).
#pragma once

namespace lumora {

struct TForm1;

// Sets f.stateFolder for the game f.gameName in f.programFolder: that folder
// when it can be written; else the player's data folder for the game, made
// when missing; else a folder for this session alone, and the player is told
// once that nothing of the session will be kept.
void ChooseStateFolder(TForm1& f);

// Removes a folder ChooseStateFolder made for this session alone, at shutdown.
void RemoveSessionStateFolder(TForm1& f);

}  // namespace lumora
