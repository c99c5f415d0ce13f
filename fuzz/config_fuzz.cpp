// Fuzz target: a fuzzed configuration file read at creation and applied by the
// game loader, then one script run and shutdown.
#include "fuzz/fuzz_game.h"
#include "script/run_script.h"
#include "shell/entry.h"
#include "shell/lifecycle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  testing::TempGame& game = fuzzing::FreshGame();
  fuzzing::WriteBytes(game, game.name() + ".ini", data, size);
  game.WriteScript("start", {"reg= 1,x", "msg= ola", "pausa= 1"});
  testing::Session s{game, false};
  fuzzing::BoundRuns(s);
  EnterEngine(s.f, [&] {
    GameLoader(s.f, game.name());
    RunScript(s.f, "start");
  });
  FormDestroy(s.f);
  return 0;
}
