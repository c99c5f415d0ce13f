// The benchmarks' shared forms and main().
#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "shell/lifecycle.h"

namespace lumora::bench {

LoadedGame::LoadedGame(const testing::TempGame& game) : f(platform), t(f) {
  f.interp = &t;
  FormCreate(f, game.folder(), game.name());
  GameLoader(f, game.name());
}

int RunBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace lumora::bench
