// A program asked to end stops the running script, however it loops: a pause
// loop after the quit button, an endless jump after SIGTERM, SIGINT or the
// window's close button. The unfinished run saves nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "core/stop_request.h"
#include "form/config.h"
#include "script/run_script.h"
#include "shell/entry.h"
#include "shell/lifecycle.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

enum class StopBy { QuitDuringPause, Signal, CloseButton };

TEST(StopRun, AProgramAskedToEndStopsTheScriptAndKeepsTheLastSave) {
  const struct {
    const char* what;
    StringList script;
    StopBy by;
    int signal;
  } cases[] = {
      {"pause loop, quit during a pause", {"reg= 1,antes", ":a", "pausa= 1", "reg+ 3,1", "goto a"}, StopBy::QuitDuringPause, 0},
      {"jump to itself, SIGTERM", {":a", "goto a"}, StopBy::Signal, SIGTERM},
      {"loop of commands, SIGINT", {"reg= 1,antes", ":a", "reg+ 3,1", "goto a"}, StopBy::Signal, SIGINT},
      {"loop of commands, the close button", {"reg= 1,antes", ":a", "reg+ 3,1", "goto a"}, StopBy::CloseButton, 0},
  };
  struct sigaction oldInt {}, oldTerm {};
  sigaction(SIGINT, nullptr, &oldInt);
  sigaction(SIGTERM, nullptr, &oldTerm);
  InstallStopSignals();
  for (const auto& c : cases) {
    testing::TempGame game;
    game.WriteScript("laco", c.script);
    testing::Session s{game};
    const std::string saved = game.Read("aventura.rgs");
    std::thread signaller;
    switch (c.by) {
      case StopBy::QuitDuringPause:
        s.platform.OnceDuringProcessMessages([&] { s.f.exitRequested = true; });
        break;
      case StopBy::Signal:
        signaller = std::thread([sig = c.signal] {
          std::this_thread::sleep_for(std::chrono::milliseconds(20));
          std::raise(sig);
        });
        break;
      case StopBy::CloseButton:
        s.platform.onNoticeClose = [&] { EXPECT_FALSE(CloseRequested(s.f)) << c.what; };
        break;
    }
    const bool endNow = EnterEngine(s.f, [&] { RunScript(s.f, "laco"); });
    if (signaller.joinable()) signaller.join();
    ClearStopRequest();
    EXPECT_TRUE(endNow) << c.what;
    EXPECT_TRUE(s.f.runStopped) << c.what;
    EXPECT_TRUE(s.platform.errors.empty()) << c.what;
    EXPECT_EQ(game.Read("aventura.rgs"), saved) << c.what;
    // Shutdown writes the configuration, and leaves the saved game alone.
    FormDestroy(s.f);
    EXPECT_EQ(game.StateLines(".ini").at(kScriptLine), "laco") << c.what;
    EXPECT_EQ(game.Read("aventura.rgs"), saved) << c.what;
  }
  sigaction(SIGINT, &oldInt, nullptr);
  sigaction(SIGTERM, &oldTerm, nullptr);
}

}  // namespace
}  // namespace lumora
