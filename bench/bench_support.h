// What the benchmarks share: a window system that does nothing, the program's
// two forms on a temporary game, and main() on the offscreen platform.
#pragma once
#include "core/platform.h"
#include "form/form1.h"
#include "script/interp.h"
#include "support/temp_game.h"

namespace lumora::bench {

// A window system that does nothing: the runs never wait, draw or play.
class NullPlatform : public Platform {
 public:
  void ProcessMessages() override {}
  void RepaintNow(const Control&) override {}
  void Sleep(int) override {}
  int64_t Milliseconds() override { return 0; }
  void WebStop() override {}
  void WebNavigate(const std::string&) override {}
  void WebLoadHtml(const std::string&) override {}
  int WebReadyState() override { return 4; }
  void WebFocus() override {}
  void OpenUrl(const std::string&) override {}
  void ShowError(const std::string&) override {}
  void RequestExit() override {}
};

// The program's forms on a game, created and loaded as a click on the opening
// picture does. No trace listener is installed: the trace goes nowhere, as when
// the player runs without --trace.
struct LoadedGame {
  explicit LoadedGame(const testing::TempGame& game);
  NullPlatform platform;
  TForm1 f;
  TForm3 t;
};

// The form model draws its built-in pictures with fonts: runs the registered
// benchmarks inside a GUI application, on the offscreen platform unless
// QT_QPA_PLATFORM names another.
int RunBenchmarks(int argc, char** argv);

}  // namespace lumora::bench
