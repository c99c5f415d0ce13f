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

StringList LongPlaceScript(StringList head, int lines) {
  static const char* const kLines[] = {
      "reg= 5,uma porta velha",       "reg+ 6,1",          "if= 6,999999,msg+,nunca",  "ifobj= chave,jog,achou",
      "msg+  A sala continua quieta.", "/ um coment\xE1rio", "ifreg> 6,999999,longe",   ":marca",
      "if~ 6,-5,-1,msg+,nunca",       "reg$ 7,x",
  };
  while (static_cast<int>(head.size()) < lines) head.push_back(kLines[head.size() % std::size(kLines)]);
  return head;
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
