// Undo and redo of the player's actions, between runs: the model put back as
// it was before the action, shown and saved; no script runs.
#pragma once

namespace lumora {

struct TForm1;

// The game has left its opening screen (or was restored): its undo history
// starts here, empty.
void StartUndoHistory(TForm1& f);

// Takes back the player's last action that started a run (Ctrl+Z), or does
// again the last one taken back (Ctrl+Shift+Z). False, with a notice, when
// there is none; nothing happens while a script runs.
bool UndoStep(TForm1& f);
bool RedoStep(TForm1& f);

}  // namespace lumora
