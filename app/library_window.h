// The library's window, shown when the program starts without a game.
#pragma once
#include <QApplication>

namespace lumora {

// Shows the library until the player closes it; returns the exit status.
int RunLibraryWindow(QApplication& app);

}  // namespace lumora
