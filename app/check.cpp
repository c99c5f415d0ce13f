// lumora --check: finds the game, checks it, prints the findings.
#include "app/check.h"

#include <cstdio>

#include "core/paths.h"
#include "core/text1252.h"
#include "shell/locate_game.h"
#include "tools/game_check.h"

namespace lumora {

int RunCheck(const std::string& game, const char* argv0) {
  const GameLocation where = LocateGame(game, argv0);
  if (!where.error.empty()) {
    std::fprintf(stderr, "lumora: %s\n", where.error.c_str());
    return 2;
  }
  const std::string game1252 = Cp1252FromUtf8(where.name);
  // Without a game named, the executable's own name is taken, which need not
  // be a game at all.
  if (!FileExists(where.folder, game1252 + ".ini")) {
    std::fprintf(stderr, "lumora: no game %s.ini in %s\n", where.name.c_str(), where.folder.c_str());
    return 2;
  }
  const Findings findings = CheckGame(where.folder, game1252);
  for (const Finding& f : findings) std::printf("%s\n", FindingText(f).c_str());
  return findings.empty() ? 0 : 1;
}

}  // namespace lumora
