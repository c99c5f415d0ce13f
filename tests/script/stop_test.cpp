// A program asked to end stops the running script, however it loops or waits:
// a pause loop after the quit button, an endless jump after SIGTERM, SIGINT or
// the window's close button, and within one long wait: a long pause, a long
// text typed letter by letter, a sound played to its end, a page that does not
// finish loading. The unfinished run saves nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "core/stop_request.h"
#include "form/config.h"
#include "media/wave_file.h"
#include "script/run_script.h"
#include "shell/entry.h"
#include "shell/lifecycle.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

// SignalAfterASecond: the signal comes once the platform's clock has passed a
// second, seen from the next look at the window system (a close request looked
// for, or the messages of a pause processed).
enum class StopBy { QuitDuringPause, Signal, CloseButton, SignalAfterASecond };

TEST(StopRun, AProgramAskedToEndStopsTheScriptAndKeepsTheLastSave) {
  const std::string letters(200000, 'a');
  const std::string words = [] {
    std::string w;
    for (int i = 0; i < 25000; ++i) w += "palavra ";
    return w;
  }();
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
      {"a day's pause, SIGTERM", {"reg= 1,antes", "pausa= 864000", "reg= 3,depois"}, StopBy::SignalAfterASecond, SIGTERM},
      {"a long text typed, SIGTERM", {"setmode= 0", "msg= " + words, "reg= 3,depois"}, StopBy::SignalAfterASecond, SIGTERM},
      {"a long word typed, the close button", {"setmode= 0", "msg= " + letters, "reg= 3,depois"}, StopBy::CloseButton, 0},
      {"endless typing, SIGINT", {"setmode= 0", ":a", "msg= palavra ", "goto a"}, StopBy::SignalAfterASecond, SIGINT},
      {"a minute's sound to its end, SIGTERM", {"playsnd minuto.wav,on", "reg= 3,depois"}, StopBy::SignalAfterASecond, SIGTERM},
      {"a minute's sound to its end, the close button", {"playsnd minuto.wav,on", "reg= 3,depois"}, StopBy::CloseButton, 0},
      {"a page that never loads, the close button", {"setmode= 2", "reg= 3,depois"}, StopBy::CloseButton, 0},
  };
  struct sigaction oldInt {}, oldTerm {};
  sigaction(SIGINT, nullptr, &oldInt);
  sigaction(SIGTERM, nullptr, &oldTerm);
  InstallStopSignals();
  for (const auto& c : cases) {
    testing::TempGame game;
    game.WriteScript("laco", c.script);
    testing::WriteWave(game.folder() + "minuto.wav", {8000, 1, 16, 8000 * 60});
    testing::Session s{game};
    s.platform.readyState = 0;  // a page shown never finishes loading
    const std::string saved = game.Read("aventura.rgs");
    std::thread signaller;
    bool raised = false;
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
      case StopBy::SignalAfterASecond:
        s.platform.onNoticeClose = [&, sig = c.signal] {
          if (raised || s.platform.clock < 1000) return;
          raised = true;
          std::raise(sig);
        };
        s.platform.onProcessMessages = s.platform.onNoticeClose;
        break;
    }
    const bool endNow = EnterEngine(s.f, [&] { RunScript(s.f, "laco"); });
    if (signaller.joinable()) signaller.join();
    ClearStopRequest();
    EXPECT_TRUE(endNow) << c.what;
    EXPECT_TRUE(s.f.runStopped) << c.what;
    EXPECT_TRUE(s.platform.errors.empty()) << c.what;
    // Within the wait: a pause, a text or a sound ends early, and the line after it never runs.
    EXPECT_LT(s.platform.clock, 1200) << c.what;
    EXPECT_LT(s.f.MsgMd0.text.size(), 200000u) << c.what;
    EXPECT_NE(s.f.state.registers[3], "depois") << c.what;
    if (c.script[0].starts_with("playsnd")) {
      EXPECT_EQ(s.platform.audio.back(), "stop") << c.what << ": the sound halted";
    }
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
