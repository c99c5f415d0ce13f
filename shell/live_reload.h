// Live reload, for authors: an edit to a game's file shows at once.
#pragma once
#include <string>

namespace lumora {

struct TForm1;

// Whether a change to the file name (relative to the game's folder, "/" between
// folders, as the file system spells it) is an author's edit that shows in the
// game: a script, a picture or the vocabulary. The files the game writes itself
// (its state, its saved maps, its page) never are, or a reload would call the next.
bool ReloadsOnChange(const TForm1& f, const std::string& name);

// Runs the script of the place the player is in again, as after a restore,
// because the file changed had changed; on the opening screen there is
// nothing to do. False only when a script runs: try again once it has ended.
// A script that fails to load or run does not end the game: it is traced and
// told in the window's notice, and play goes on.
bool RunPlaceAgain(TForm1& f, const std::string& changed);

}  // namespace lumora
