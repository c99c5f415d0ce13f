// The author's regression tests: every play-through kept in a folder replayed
// against the game, each from the state the game ships with.
#pragma once

namespace lumora {

struct Options;

// Replays each FOLDER/*.walk (by name) in a process of its own, headless, on a
// fresh temporary copy of the game's state, so the game's folder is only read.
// Says which passed; the status is 0 when all did, 1 when one did not (an
// expect line failed or the play broke), 2 for a usage error.
int RunPlayAll(const Options& options, const char* argv0);

}  // namespace lumora
