// The script checker: every script, the vocabulary and the configuration of a
// game, read without running anything and without changing a file.
#pragma once
#include <string>

#include "tools/findings.h"

namespace lumora {

// The game in `folder` (native, ending with "/") named `game` (Windows-1252):
// its findings, file by file in name order, line by line.
Findings CheckGame(const std::string& folder, const std::string& game);

}  // namespace lumora
