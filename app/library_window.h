// The library's window, shown when the program starts without a game.
#pragma once
#include <QApplication>

namespace lumora {

// Shows the library until the player closes it; returns the exit status.
// quitWhenShown: until every game shows with its picture (--library show).
int RunLibraryWindow(QApplication& app, bool quitWhenShown = false);

}  // namespace lumora
