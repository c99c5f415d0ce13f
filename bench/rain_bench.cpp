// One rain tick on a 596 by 271 screen (drops, mask, Hud), beside the floor:
// four plain copies of a frame that size, as composing any frame must at least
// read the still screen, the drops and the mask and write the frame.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstring>

#include "bench_support.h"
#include "view/rain.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

constexpr int kWidth = 596, kHeight = 271;

void Save(const QImage& img, const testing::TempGame& game, const char* name) {
  img.save(QString::fromStdString(game.folder() + name), "BMP");
}

// A model-1 game raining over a grainy screen, half of it behind a mask.
struct RainingGame {
  RainingGame() : loaded(game) {
    QImage drops(kWidth, kHeight, QImage::Format_RGB32), mask(kWidth, kHeight, QImage::Format_RGB32);
    drops.fill(0xFFFF00FF);
    mask.fill(0xFFFFFFFF);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        if ((x * 7 + y * 13) % 29 == 0) drops.setPixel(x, y, 0xFF8080FF);
        if (x < kWidth / 2) mask.setPixel(x, y, 0xFFFF00FF);
      }
    QImage hud(80, 40, QImage::Format_RGB32);
    hud.fill(0xFF203040);
    Save(drops, game, "gotas.bmp");
    Save(mask, game, "mascara.bmp");
    Save(hud, game, "hud.bmp");
    TForm1& f = loaded.f;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) f.screenBuffer.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
    for (const char* line : {"hud= hud.bmp", "hud= 10,10", "hud= on", "chuva= gotas.bmp", "chuva= mask,mascara.bmp",
                             "chuva= on"}) {
      loaded.t.commandLine = line;
      ExecCommand(loaded.t);
    }
  }
  testing::TempGame game;
  bench::LoadedGame loaded;
};

void BM_RainTick(benchmark::State& state) {
  RainingGame g;
  for (auto _ : state) {
    RainTick(g.loaded.f);
    benchmark::ClobberMemory();
  }
  if (!g.loaded.f.Chuva.enabled) state.SkipWithError("the rain did not start");
}

void BM_FourFrameCopies(benchmark::State& state) {
  const QImage from = FilledImage(kWidth, kHeight, 0x336699);
  QImage to[4] = {from.copy(), from.copy(), from.copy(), from.copy()};
  const size_t bytes = static_cast<size_t>(from.sizeInBytes());
  for (auto _ : state) {
    for (QImage& t : to) std::memcpy(t.bits(), from.constBits(), bytes);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_RainTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FourFrameCopies)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumora

int main(int argc, char** argv) { return lumora::bench::RunBenchmarks(argc, argv); }
