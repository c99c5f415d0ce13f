// The save panel (F5) and the restore panel (F9).
#pragma once

namespace lumora {

class MainWindow;
struct TForm1;

// Shows the panel over the window until the player closes it or acts; the
// action runs as an entry of its own. Only called between runs.
void RunSlotPanel(MainWindow& window, TForm1& f, bool restore);

}  // namespace lumora
