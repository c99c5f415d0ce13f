// Fuzz target: a fuzzed script run to its end (the line splitter, the keyword
// table and every command) on the headless engine with its virtual clock.
#include "fuzz/fuzz_game.h"
#include "script/run_script.h"
#include "shell/entry.h"
#include "shell/lifecycle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  testing::TempGame& game = fuzzing::FreshGame();
  fuzzing::WriteBytes(game, "f.scp", data, size);
  testing::Session s{game, false};
  fuzzing::BoundRuns(s);
  EnterEngine(s.f, [&] {
    GameLoader(s.f, game.name());
    RunScript(s.f, "f");
  });
  return 0;
}
