// lumora --check: the script checker's findings on standard output.
#pragma once
#include <string>

namespace lumora {

// Checks the game (found as for playing) and prints one finding a line. Returns
// 0 when clean, 1 with findings, 2 when nothing could be checked.
int RunCheck(const std::string& game, const char* argv0);

}  // namespace lumora
