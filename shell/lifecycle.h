// The form's life: creation, the game loader, the opening screen, shutdown.
#pragma once
#include <string>

#include "core/string_list.h"

namespace lumora {

struct TForm1;

// Chooses the state folder (shell/state_folder.h), reads gameName + ".ini"
// (the player's copy there, else programFolder's) and sets the fields from it;
// shows the opening screen. An error ends the reading there and goes to the
// message box; the program goes on with the fields set so far.
void FormCreate(TForm1& f, const std::string& programFolder, const std::string& gameName);

// Loads and applies the configuration and the saved state of game G. Raises
// ScriptError on a missing file or a line that does not convert.
void GameLoader(TForm1& f, const std::string& game);

// The opening picture: a click starts the game, a double click resumes it.
// Errors raised inside are shown in the message box.
void TelAberClick(TForm1& f);
void TelAberDblClick(TForm1& f);

// The opening picture's events as the window system delivers them. A click is
// held pending; when the double-click interval passes, a pending click runs
// TelAberClick, once. A double click drops the pending click and runs
// TelAberClick, then TelAberDblClick unless an exit was requested meanwhile.
void OpeningClickArrived(TForm1& f);
void OpeningClickIntervalPassed(TForm1& f);
void OpeningDoubleClickArrived(TForm1& f);

// The configuration lines as shutdown writes them: the running values (window
// place, names, register count, game size) in their lines.
StringList ConfigAsSaved(const TForm1& f);

// Writes the running values into the configuration and saves it, with the state
// files, into the game's state folder. Only what was loaded whole is written back.
void FormDestroy(TForm1& f);

// Runs fn and shows a ScriptError it raises in the message box, as every entry
// from the window system into the engine does. Returns false on an error.
template <typename Fn>
bool Guarded(TForm1& f, Fn&& fn);

}  // namespace lumora

#include "shell/guarded.h"
