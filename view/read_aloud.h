// Reading aloud: the messages of the display model shown, each new text read
// once through the platform's speech engine, for players who cannot read the
// screen.
#pragma once
#include <string>
#include <string_view>

namespace lumora {

struct TForm1;

// Turns reading on or off. Without a speech engine it stays off, and the first
// time that happens the window is given a notice to show (f.notice).
// Turning it on reads what is shown now; off stops the reading. Returns whether
// reading is on.
bool SetReadAloud(TForm1& f, bool on);
bool ToggleReadAloud(TForm1& f);

// A player's action that starts a run (Enter in the input line, an area's
// release that follows its reference, a link followed): what is still being
// read then is cut off, the run's own texts are read.
void ReadAfterNewAction(TForm1& f);

// Reads what is new since the last call: the message line (model 1), the typed
// memo's new tail (model 0), the model-3 text's new tail, the text of a new
// model-2 page. The texts of one run are read one after the other, in full;
// after a player's new action the reading still going on stops first. Called
// whenever the window shows the model.
void ReadNewTexts(TForm1& f);

// The words of an HTML page as a reader hears them: the head, scripts and
// styles left out, tags dropped, the common entities decoded, blanks collapsed.
std::string PageWords(std::string_view html);

}  // namespace lumora
