// The save panel (F5) and the restore panel (F9).
#pragma once
#include <QString>

namespace lumora {

class MainWindow;
struct SlotInfo;
struct TForm1;

// A slot as the panels and the library show it: its name ("Before restoring"
// for an automatic one), then its place and time on a second line.
QString SlotCaption(const SlotInfo& s);

// Shows the panel over the window until the player closes it or acts; the
// action runs as an entry of its own. Only called between runs.
void RunSlotPanel(MainWindow& window, TForm1& f, bool restore);

}  // namespace lumora
