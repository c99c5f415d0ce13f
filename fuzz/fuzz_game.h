// The game the engine's fuzz targets play: one folder on a memory file system
// (syncing a saved game costs nothing there), rebuilt before every input, and
// a session whose runs are bounded as a person closing the window bounds them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/temp_game.h"

namespace lumora::fuzzing {

// The game, with its configuration, registers and objects written afresh: an
// earlier input may have changed or deleted any of its files.
testing::TempGame& FreshGame();

// Writes bytes as they are into a file of the game folder.
void WriteBytes(const testing::TempGame& game, const std::string& name, const uint8_t* data, size_t size);

// Ends every run of the session after a few thousand message passes or a tenth
// of a second of lines without one: an endless script is an input like any other.
void BoundRuns(testing::Session& s);

}  // namespace lumora::fuzzing
