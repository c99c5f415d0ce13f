// Where the files installed with the program lie: its run-time modules (web
// view, sound, speech) and its demo game.
#pragma once
#include <QString>
#include <QStringList>

namespace lumora {

// The folder of the program's real file, also when it was started through a
// link named after a game. Known before the application object exists.
QString ProgramFolder();

// The module file NAME: in the installed module folder (PREFIX/lib/games/lumora
// for the program PREFIX/games/lumora) when it is there, else beside the
// program, as in the build tree.
QString ModuleFile(const QString& name);

// Where the player's translations (.qm) may be: the installed folder, then
// beside the program, as in the build tree.
QStringList TranslationFolders();

// The demo game's folder where it is installed with the program (it may not be
// there, as in the build tree).
QString InstalledDemoFolder();

}  // namespace lumora
