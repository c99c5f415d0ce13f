// lumora --check: finds the game, checks it, prints the findings.
#include "app/check.h"

#include <cstdio>

#include "app/command_line.h"
#include "core/text1252.h"
#include "shell/locate_game.h"
#include "tools/game_check.h"

namespace lumora {

int RunCheck(const std::string& game, const char* argv0) {
  const GameLocation where = LocateGame(game, argv0);
  if (!where.error.empty()) {
    std::fprintf(stderr, "lumora: %s\n", where.error.c_str());
    return kExitUsage;
  }
  const Findings findings = CheckGame(where.folder, Cp1252FromUtf8(where.name));
  for (const Finding& f : findings) std::printf("%s\n", FindingText(f).c_str());
  return findings.empty() ? 0 : 1;
}

}  // namespace lumora
