// The fuzz targets' game folder and the bound on their runs.
#include "fuzz/fuzz_game.h"

#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <memory>

// The form draws its built-in pictures with fonts: an application on the
// offscreen platform, as the unit tests have. Qt sees none of libFuzzer's options.
extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int qtArgc = 1;
  static char* qtArgv[] = {(*argv)[0], nullptr};
  static QGuiApplication app(qtArgc, qtArgv);
  return 0;
}

namespace lumora::fuzzing {

testing::TempGame& FreshGame() {
  static std::unique_ptr<testing::TempGame> game = [] {
    setenv("TMPDIR", "/dev/shm", 0);
    return std::make_unique<testing::TempGame>();
  }();
  game->config = testing::DefaultConfig(game->name());
  game->WriteConfig();
  game->WriteRegisters(StringList(11));
  game->WriteLines(game->name() + ".obz", {"lamp"});
  game->WriteLines(game->name() + ".obx", {"lamp", "lampada", "", "sala", "", "", "", ""});
  game->WriteLines("lamp.obj", {"lamp", "lampada", "velha", "sala", "", "0", "", ""});
  return *game;
}

void WriteBytes(const testing::TempGame& game, const std::string& name, const uint8_t* data, size_t size) {
  std::ofstream out(game.folder() + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void BoundRuns(testing::Session& s) {
  constexpr int kMessagePasses = 2000;
  s.platform.onProcessMessages = [&s] {
    if (s.platform.processCount > kMessagePasses) s.f.exitRequested = true;
  };
  s.platform.onNoticeClose = [&s] { s.f.exitRequested = true; };
}

}  // namespace lumora::fuzzing
