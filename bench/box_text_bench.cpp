// 20,000 words with a link every fifty laid out and drawn on the model-3 page,
// which grows to about 33,000 pixels as they go, beside the floor: the same
// text on a page sized once in advance.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "script/interp.h"
#include "view/box_text.h"
#include "view/canvas3.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

constexpr int kWords = 20000;

std::string Words() {
  const char* words[] = {"casarão", "velho", "sobre", "alto", "desta", "colina,", "onde", "sempre", "ventava", "muito"};
  std::string text;
  for (int i = 0; i < kWords; ++i) {
    if (i % 50 == 49) text += "@uma porta|porta| ";
    else text += std::string(words[i % 10]) + " ";
  }
  return text;
}

struct Model3Game {
  Model3Game() : loaded(game) {
    loaded.t.commandLine = "setmode= 3";
    ExecCommand(loaded.t);
    startHeight = loaded.f.TelMod3.height;
  }
  // A fresh page of the given height, the text position at its top.
  void FreshPage(int height) {
    TForm1& f = loaded.f;
    f.TelMod3.height = height;
    f.TelMod3.picture = FilledImage(f.TelMod3.width, height, f.canvas3Brush);
    f.textX = f.textY = 0;
    f.links.Reset();
  }
  testing::TempGame game;
  bench::LoadedGame loaded;
  int startHeight = 0;
  const std::string text = Words();
};

void Draw(Model3Game& g) {
  BoxText box;
  box.text = g.text;
  DrawBoxText(g.loaded.f, BoxSurface::TelMod3, box);
}

void BM_BoxTextGrowingThePage(benchmark::State& state) {
  Model3Game g;
  for (auto _ : state) {
    state.PauseTiming();
    g.FreshPage(g.startHeight);
    state.ResumeTiming();
    Draw(g);
  }
  state.counters["page"] = g.loaded.f.TelMod3.height;
}
BENCHMARK(BM_BoxTextGrowingThePage)->Unit(benchmark::kMillisecond);

void BM_BoxTextOnAPageSizedInAdvance(benchmark::State& state) {
  Model3Game g;
  g.FreshPage(g.startHeight);
  Draw(g);
  const int height = g.loaded.f.TelMod3.height;
  for (auto _ : state) {
    state.PauseTiming();
    g.FreshPage(height);
    state.ResumeTiming();
    Draw(g);
  }
  state.counters["page"] = height;
}
BENCHMARK(BM_BoxTextOnAPageSizedInAdvance)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora

int main(int argc, char** argv) { return lumora::bench::RunBenchmarks(argc, argv); }
