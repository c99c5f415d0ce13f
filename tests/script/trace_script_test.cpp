// The script the trace lines come from, as the --trace writer reads it: it
// follows "gosub", "return", "script" and a run nested in a pause, and each
// command's own line stays with the script that held it.
#include <gtest/gtest.h>

#include <utility>

#include "core/trace.h"
#include "script/run_script.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(TraceScript, FollowsEveryChangeOfScript) {
  testing::TempGame game;
  testing::Session s{game};
  game.WriteScript("fora", {"gosub sub", "script fim"});
  game.WriteScript("sub", {"/ s0", "return"});
  game.WriteScript("fim", {"/ f0", "pausa= 1"});
  game.WriteScript("dentro", {"/ d0"});
  std::vector<std::pair<std::string, std::string>> seen;  // line, script
  const int id = AddTraceListener([&](std::string_view line) { seen.emplace_back(line, TraceScript()); });
  s.platform.OnceWhenPlayerActs([&] { RunScript(s.f, "dentro"); });
  RunScript(s.f, "fora");
  RemoveTraceListener(id);
  const std::pair<std::string, std::string> want[] = {
      {"Executando script: fora.scp", "fora"},
      {"   0: gosub sub <- script em subrotina", "fora"},
      {"Executando script: sub.scp", "sub"},
      {"   1: return  <- retorno ao script fora na linha: 0", "sub"},
      {"   1: script fim", "fora"},
      {"Executando script: dentro.scp", "dentro"},
      {"   0: / d0", "dentro"},
      {"   1: pausa= 1", "fim"},
  };
  for (const auto& [line, script] : want) {
    SCOPED_TRACE(line);
    auto it = std::find_if(seen.begin(), seen.end(), [&](const auto& p) { return p.first == line; });
    ASSERT_NE(it, seen.end());
    EXPECT_EQ(it->second, script);
  }
}

}  // namespace
}  // namespace lumora
