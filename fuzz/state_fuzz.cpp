// Fuzz target: fuzzed state files (registers, object keys, object table) and a
// fuzzed commit record of a save cut short, loaded at start, played and saved.
// The input is the four files one after the other, each ended by "\n##\n".
#include <string_view>

#include "fuzz/fuzz_game.h"
#include "script/run_script.h"
#include "shell/entry.h"
#include "shell/lifecycle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  testing::TempGame& game = fuzzing::FreshGame();
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  for (const char* ext : {".rgs", ".obz", ".obx", ".commit~"}) {
    const size_t end = rest.find("\n##\n");
    const std::string_view part = rest.substr(0, end);
    fuzzing::WriteBytes(game, game.name() + ext, reinterpret_cast<const uint8_t*>(part.data()), part.size());
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 4);
  }
  game.WriteLines(game.name() + ".rgs.tmp~", {"", "novo"});
  game.WriteScript("t", {"reg+ 1,1", "settagobj= lamp,#1", "getobj= 2,lamp,loc", "reset objs,lamp", "saveregs",
                         "saveobjs"});
  testing::Session s{game, false};
  fuzzing::BoundRuns(s);
  EnterEngine(s.f, [&] {
    GameLoader(s.f, game.name());
    RunScript(s.f, "t");
  });
  FormDestroy(s.f);
  return 0;
}
