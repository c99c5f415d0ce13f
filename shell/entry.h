// Entries from the window system into the engine. Every click, key, timer or
// followed link the front end forwards is one entry; entries nest when a
// script lets pending messages through. The program ends only once the
// outermost entry has unwound, so no script is torn down while it waits.
#pragma once
#include <functional>

namespace lumora {

struct TForm1;

// Entries nested deeper than this are dropped, with a trace line: each level
// holds a script run, its waiting command and the window system's frames.
constexpr int kMaxEntryDepth = 64;

// Runs handler as one entry: a ScriptError it raises goes to the message box.
// True when this was the outermost entry and an exit has been requested, during
// it or during an entry nested in it: the program is to end now.
bool EnterEngine(TForm1& f, const std::function<void()>& handler);

// The window is asked to close. True when no entry is in progress and the
// program may end now; otherwise the exit is only requested, and the outermost
// entry reports it when it unwinds.
bool CloseRequested(TForm1& f);

}  // namespace lumora
