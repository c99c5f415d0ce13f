// Ending the program while a script runs: the request to stop, and the unwinding
// it causes. A script has no way out of an endless loop, so the person must have
// one: the window's close button, Ctrl+C and SIGTERM all end up here.
#pragma once

namespace lumora {

class Platform;

// Thrown where a running script notices that the program is to end: it leaves
// every command and run at once, without their finishing steps (no state is
// saved for the unfinished run), and is caught silently at each entry from the
// window system. Not a ScriptError: nothing is shown to the player.
class RunStopped {};

// Set by the stop signals' handler (async-signal-safe: one lock-free atomic
// store); the running script looks at it through ExitDue.
bool StopRequested();
// Forgets an earlier request (tests; a fresh program start).
void ClearStopRequest();

// Looks whether the program is to end, from a loop or a wait that may last
// (the interpreter's lines, typing, a pause, a sound played to its end): a
// signalled stop becomes the request to end (exitRequested, the form's flag),
// and the window system hands over a close request, whose handler sets it too.
// Returns exitRequested; the caller stops what it was doing and throws RunStopped.
bool ExitDue(Platform& platform, bool& exitRequested);

// Makes SIGINT and SIGTERM request the stop instead of killing the program at
// once, so the configuration is still written on the way out.
void InstallStopSignals();

}  // namespace lumora
