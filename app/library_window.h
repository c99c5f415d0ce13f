// The library's window, shown when the program starts without a game.
#pragma once
#include <QApplication>

namespace lumora {

// Shows the library until the player closes it, or (for the benchmark and the
// real-window test) until the names or the names and pictures are on the
// screen (--library show, show-all); returns the exit status.
enum class LibraryShown { Never, Names, WithPictures };
int RunLibraryWindow(QApplication& app, LibraryShown quitWhen = LibraryShown::Never);

}  // namespace lumora
