// Loading a 900 by 420 PNG, JPEG and GIF with the player's decoders, each beside
// the bare library decode of the same file (libpng's simplified API, Qt's reader).
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <png.h>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "support/temp_game.h"
#include "view/picture_decoders.h"
#include "view/picture_loader.h"

namespace lumora {
namespace {

constexpr int kWidth = 900, kHeight = 420;

// A game-like scene: a sky gradient, hills, a few shapes and some grain.
QImage Scene() {
  QImage img(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, QColor(40, 90, 170));
  sky.setColorAt(1, QColor(230, 200, 150));
  p.fillRect(img.rect(), sky);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(60, 110, 50));
  p.drawEllipse(QRect(-200, 250, 800, 400));
  p.setBrush(QColor(80, 130, 60));
  p.drawEllipse(QRect(300, 280, 900, 400));
  p.setBrush(QColor(120, 70, 40));
  p.drawRect(600, 200, 120, 110);
  p.end();
  std::mt19937 random(7);
  for (int y = 0; y < kHeight; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      const int grain = static_cast<int>(random() % 9) - 4;
      auto c = [grain](int v) { return std::clamp(v + grain, 0, 255); };
      row[x] = qRgb(c(qRed(row[x])), c(qGreen(row[x])), c(qBlue(row[x])));
    }
  }
  return img;
}

// The scene in a 6 by 6 by 6 colour cube, written with giflib.
bool SaveGif(const QImage& img, const std::string& path) {
  std::vector<GifColorType> colours(256, GifColorType{0, 0, 0});
  for (int i = 0; i < 216; ++i)
    colours[static_cast<size_t>(i)] = {static_cast<GifByteType>(i / 36 * 51), static_cast<GifByteType>(i / 6 % 6 * 51),
                                       static_cast<GifByteType>(i % 6 * 51)};
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) return false;
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  bool ok = EGifPutScreenDesc(gif, kWidth, kHeight, 8, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, kWidth, kHeight, false, nullptr) == GIF_OK;
  std::vector<GifPixelType> row(kWidth);
  for (int y = 0; ok && y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const QRgb p = img.pixel(x, y);
      row[static_cast<size_t>(x)] =
          static_cast<GifPixelType>((qRed(p) + 25) / 51 * 36 + (qGreen(p) + 25) / 51 * 6 + (qBlue(p) + 25) / 51);
    }
    ok = EGifPutLine(gif, row.data(), kWidth) == GIF_OK;
  }
  GifFreeMapObject(map);
  return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

// The three files, written once into a temporary game folder.
struct Files {
  Files() {
    const QImage scene = Scene();
    scene.save(QString::fromStdString(game.folder() + "cena.png"), "PNG");
    scene.save(QString::fromStdString(game.folder() + "cena.jpg"), "JPG", 90);
    SaveGif(scene, game.folder() + "cena.gif");
  }
  std::string Path(const char* name) const { return game.folder() + name; }
  testing::TempGame game;
};

const Files& TheFiles() {
  static const Files files;
  return files;
}

void BM_PlayerPng(benchmark::State& state) {
  const std::string path = TheFiles().Path("cena.png");
  for (auto _ : state) benchmark::DoNotOptimize(DecodePngFile(path, path));
}

void BM_BareLibpngSimplified(benchmark::State& state) {
  const std::string path = TheFiles().Path("cena.png");
  std::vector<unsigned char> pixels(size_t{kWidth} * kHeight * 4);
  for (auto _ : state) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_file(&image, path.c_str());
    image.format = PNG_FORMAT_BGRA;
    png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
    benchmark::DoNotOptimize(pixels.data());
  }
}

void BM_PlayerJpeg(benchmark::State& state) {
  const std::string path = TheFiles().Path("cena.jpg");
  for (auto _ : state) benchmark::DoNotOptimize(DecodeJpegFile(path));
}

void BM_PlayerGif(benchmark::State& state) {
  const std::string path = TheFiles().Path("cena.gif");
  for (auto _ : state) benchmark::DoNotOptimize(DecodeGifFile(path));
}

void BM_BareQtReader(benchmark::State& state, const char* name) {
  const QString path = QString::fromStdString(TheFiles().Path(name));
  for (auto _ : state) {
    QImageReader reader(path);
    benchmark::DoNotOptimize(reader.read());
  }
}

// The whole Load picture onto Tela: decoding, BufShp, the screen buffer.
void BM_LoadPictureOnTela(benchmark::State& state) {
  testing::Session s(TheFiles().game);
  for (auto _ : state) LoadPicture(s.f, "cena.png", s.f.Tela);
}

BENCHMARK(BM_PlayerPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLibpngSimplified)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BareQtReader, png, "cena.png")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BareQtReader, jpeg, "cena.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerGif)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BareQtReader, gif, "cena.gif")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPictureOnTela)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora

int main(int argc, char** argv) { return lumora::bench::RunBenchmarks(argc, argv); }
