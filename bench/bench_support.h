// What the benchmarks share: the program's two forms on a temporary game, on
// the unit tests' platform (nothing waits, draws or plays), and main() on the
// offscreen platform.
#pragma once
#include "form/form1.h"
#include "script/interp.h"
#include "platform/null_platform.h"
#include "support/temp_game.h"

namespace lumora::bench {

// The program's forms on a game, created and loaded as a click on the opening
// picture does. No trace listener is installed: the trace goes nowhere, as when
// the player runs without --trace.
struct LoadedGame {
  explicit LoadedGame(const testing::TempGame& game);
  NullPlatform platform;
  TForm1 f;
  TForm3 t;
};

// The form model draws its built-in pictures with fonts: runs the registered
// benchmarks inside a GUI application, on the offscreen platform unless
// QT_QPA_PLATFORM names another.
int RunBenchmarks(int argc, char** argv);

// A long place script: `head`, then ordinary lines up to `lines` in all (registers,
// conditions that do not hold, messages, object questions, comments, labels), as
// a big room of a real game has them.
StringList LongPlaceScript(StringList head, int lines);

}  // namespace lumora::bench
