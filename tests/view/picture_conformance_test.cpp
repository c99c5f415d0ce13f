// Conformance over the public picture suites: which files load, with which
// pixels, and which are refused cleanly.
#include <gtest/gtest.h>

#include <QImageReader>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/script_error.h"
#include "core/string_list.h"
#include "view/picture_decoders.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

// The public conformance suites beside the project (the build says where).
fs::path Images() { return fs::path(LUMORA_TEST_IMAGES); }

std::vector<fs::path> FilesIn(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> out;
  if (!fs::is_directory(folder)) return out;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.is_regular_file() && e.path().extension() == extension) out.push_back(e.path());
  std::sort(out.begin(), out.end());
  return out;
}

#define REQUIRE_SUITE(folder)                                                             \
  if (!fs::is_directory(Images() / (folder))) GTEST_SKIP() << "no test pictures at " << Images()

// A picture as our decoders give it, from straight (not premultiplied) RGBA:
// transparency resolved against magenta with the PNG decoder's integer blend.
QRgb OverMagenta(int r, int g, int b, int alpha) {
  const int a = 255 - alpha;  // inverted alpha
  if (a == 0) return qRgb(r, g, b);
  if (a == 255) return kMagenta;
  auto mix = [a](int old, int now) { return (a * old + (255 - a) * now) / 255; };
  return qRgb(mix(255, r), mix(0, g), mix(255, b));
}

QImage ReferenceOverMagenta(const QImage& ref) {
  const QImage argb = ref.convertToFormat(QImage::Format_ARGB32);
  QImage out(argb.size(), QImage::Format_RGB32);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      out.setPixel(x, y, OverMagenta(qRed(p), qGreen(p), qBlue(p), qAlpha(p)));
    }
  return out;
}

QImage QtReading(const fs::path& file) {
  QImageReader reader(QString::fromStdString(file.string()));
  return reader.read();
}

// The largest difference of one channel, or 999 when the sizes differ.
int MaxDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 999;
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

// Two pictures of one subject: the pixels transparent in only one of them, and
// the largest channel difference where both are opaque.
std::pair<int, int> TwinDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return {999, 999};
  int masks = 0, worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if ((p == kMagenta) != (q == kMagenta)) ++masks;
      else if (p != kMagenta)
        worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return {masks, worst};
}

std::string Bytes(const fs::path& file) {
  std::string bytes;
  ReadFileBytes(file.string(), bytes);
  return bytes;
}

void Report(const char* suite, const std::map<std::string, std::pair<int, int>>& counts) {
  for (const auto& [folder, c] : counts)
    std::printf("[ counts   ] %s %s: %d loaded, %d refused\n", suite, folder.c_str(), c.first, c.second);
}

TEST(PictureConformance, PngSuiteLoadsExceptTheCorruptFilesWithTheReferencePixels) {
  REQUIRE_SUITE("png");
  int loaded = 0, refused = 0;
  for (const fs::path& file : FilesIn(Images() / "png", ".png")) {
    const std::string name = file.stem().string();
    SCOPED_TRACE(name);
    if (name[0] == 'x') {
      try {
        DecodePngFile(file.string(), name);
        ADD_FAILURE() << "a corrupt file loaded";
      } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "Error Reading File!");
        ++refused;
      }
      continue;
    }
    const QImage ours = DecodePngFile(file.string(), name);
    ++loaded;
    EXPECT_EQ(ours.format(), QImage::Format_RGB32);
    if (name == "tbbn2c16" || name == "tbgn2c16") {
      // Qt's reader misreads 16-bit RGB with a transparency chunk. The suite has
      // the same picture as a palette file, quantised: nearly the same transparent
      // pixels (one near-white pixel became white there), colours within 24.
      const QImage twin = ReferenceOverMagenta(QtReading(Images() / "png/tbbn3p08.png"));
      const auto [masks, worst] = TwinDifference(ours, twin);
      EXPECT_LE(masks, 1);
      EXPECT_LE(worst, 24);
      continue;
    }
    // 16-bit samples are reduced to 8 bits: within one step of Qt's reduction.
    const int tolerance = name.ends_with("16") ? 1 : 0;
    EXPECT_LE(MaxDifference(ours, ReferenceOverMagenta(QtReading(file))), tolerance);
  }
  EXPECT_EQ(loaded, 161);
  EXPECT_EQ(refused, 14);
  Report("png", {{"png", {loaded, refused}}});
}

struct JpegCase {
  const char* file;
  bool loads;
};

TEST(PictureConformance, JpegFilesLoadLikeQtsReaderOrAreRefused) {
  REQUIRE_SUITE("jpeg");
  const JpegCase cases[] = {
      {"libjpeg-turbo/testorig.jpg", true},       {"libjpeg-turbo/testimgint.jpg", true},
      {"libjpeg-turbo/testimgp.jpg", true},       {"libjpeg-turbo/testimggray.jpg", true},
      {"libjpeg-turbo/testimgari.jpg", true},     {"libjpeg-turbo/testorig12.jpg", false},
      {"libjpeg-turbo/monkey12.jpg", false},      {"jpeg-decoder/restarts.jpg", true},
      {"jpeg-decoder/non-interleaved-mcu.jpg", true}, {"jpeg-decoder/jpeg_lossless_sel1.jpg", false},
      {"generated/rgb-64x48.jpg", true},          {"generated/cmyk-64x48.jpg", true},
      {"generated/gray-progressive-64x48.jpg", true}, {"corrupt/empty.jpg", false},
      {"corrupt/missing-sof.jpg", false},         {"corrupt/missing-sos.jpg", false},
      {"corrupt/invalid-dimensions.jpg", false},  {"corrupt/null_height.jpg", false},
      {"corrupt/max_size.jpg", false},
  };
  std::map<std::string, std::pair<int, int>> counts;
  for (const JpegCase& c : cases) {
    SCOPED_TRACE(c.file);
    const fs::path file = Images() / "jpeg" / c.file;
    const QImage ours = DecodeJpegFile(file.string());
    auto& count = counts[fs::path(c.file).parent_path().string()];
    ++(ours.isNull() ? count.second : count.first);
    ASSERT_EQ(!ours.isNull(), c.loads);
    if (c.loads) {
      EXPECT_EQ(ours.format(), QImage::Format_RGB32);
      EXPECT_EQ(MaxDifference(ours, QtReading(file).convertToFormat(QImage::Format_RGB32)), 0);
    }
  }
  // The CMYK file is the RGB one saved with Adobe's inverted inks.
  const QImage rgb = DecodeJpegFile((Images() / "jpeg/generated/rgb-64x48.jpg").string());
  const QImage cmyk = DecodeJpegFile((Images() / "jpeg/generated/cmyk-64x48.jpg").string());
  EXPECT_LE(MaxDifference(rgb, cmyk), 12);
  Report("jpeg", counts);
}

// The expected first image: a reference picture (alpha 0 = transparent) or raw RGBA.
QImage ExpectedFromRgba(const fs::path& file, int width, int height) {
  const std::string raw = Bytes(file);
  QImage out(width, height, QImage::Format_RGB32);
  if (raw.size() != static_cast<size_t>(width) * height * 4) return {};
  for (int i = 0; i < width * height; ++i) {
    auto at = [&](int k) { return static_cast<unsigned char>(raw[static_cast<size_t>(i * 4 + k)]); };
    out.setPixel(i % width, i / width, at(3) == 0 ? kMagenta : qRgb(at(0), at(1), at(2)));
  }
  return out;
}

QImage ExpectedFromPicture(const fs::path& file) {
  const QImage ref = QtReading(file).convertToFormat(QImage::Format_ARGB32);
  QImage out(ref.size(), QImage::Format_RGB32);
  for (int y = 0; y < ref.height(); ++y)
    for (int x = 0; x < ref.width(); ++x) {
      const QRgb p = ref.pixel(x, y);
      out.setPixel(x, y, qAlpha(p) == 0 ? kMagenta : (p | 0xFF000000u));
    }
  return out;
}

struct GifCase {
  const char* file;
  int width, height;     // 0: refused
  const char* expected;  // a reference beside it (.png or .rgba), Qt's reading, or none
};
constexpr const char* kQt = "Qt's reading of the file";

TEST(PictureConformance, GifFirstImagesMatchTheirReferencesOrAreRefused) {
  REQUIRE_SUITE("gif");
  const GifCase cases[] = {
      {"giflib/porsche.gif", 320, 200, kQt},
      {"giflib/solid2.gif", 640, 400, kQt},
      {"giflib/treescap.gif", 40, 40, kQt},
      {"giflib/treescap-interlaced.gif", 40, 40, kQt},
      {"giflib/gifgrid.gif", 100, 100, kQt},
      {"giflib/wedge.gif", 640, 350, kQt},
      {"giflib/x-trans.gif", 100, 100, kQt},
      {"giflib/welcome2.gif", 290, 48, kQt},
      {"giflib/fire.gif", 30, 60, kQt},
      {"gif-test-suite/static_nontransparent.gif", 100, 100, "static_nontransparent.frame0.png"},
      {"gif-test-suite/static_transparent.gif", 100, 100, "static_transparent.frame0.png"},
      {"gif-test-suite/animated_loop.gif", 100, 100, "animated_loop.frame0.png"},
      {"gif-test-suite/animated_loop_interlaced.gif", 100, 100, "animated_loop_interlaced.frame0.png"},
      {"gif-test-suite/animated_transparent_loop.gif", 100, 100, "animated_transparent_loop.frame0.png"},
      {"gif-test-suite/animated_transparent_loop_frames_out_of_bounds.gif", 100, 100,
       "animated_transparent_loop_frames_out_of_bounds.frame0.png"},
      {"pygif/depth1.gif", 1, 1, "white-dot.rgba"},
      {"pygif/extra-data.gif", 1, 1, "white-dot.rgba"},
      {"pygif/four-colors.gif", 2, 2, "four-colors.rgba"},
      {"pygif/image-outside-bg.gif", 2, 2, "image-outside-bg.rgba"},
      {"pygif/interlace.gif", 16, 16, "all-reds.rgba"},
      {"pygif/local-color-table.gif", 1, 1, "white-dot.rgba"},
      {"pygif/missing-pixels.gif", 2, 2, "missing-pixels.rgba"},
      {"pygif/no-eoi.gif", 1, 1, "white-dot.rgba"},
      {"pygif/no-global-color-table.gif", 1, 1, "white-dot.rgba"},
      {"pygif/transparent.gif", 2, 2, "four-colors-transparent.rgba"},
      {"pygif/4095-codes.gif", 100, 100, "random-image.rgba"},
      // An index past the two-colour table is drawn black, never read from
      // beyond the table.
      {"pygif/invalid-colors.gif", 1, 1, nullptr},
      // giflib cannot read a full code table followed by a deferred clear.
      {"pygif/max-codes.gif", 0, 0, nullptr},
      {"pygif/invalid-code.gif", 0, 0, nullptr},
      {"pygif/no-data.gif", 0, 0, nullptr},
      {"pygif/zero-size.gif", 0, 0, nullptr},
  };
  std::map<std::string, std::pair<int, int>> counts;
  for (const GifCase& c : cases) {
    SCOPED_TRACE(c.file);
    const fs::path file = Images() / "gif" / c.file;
    const QImage ours = DecodeGifFile(file.string());
    auto& count = counts[fs::path(c.file).parent_path().string()];
    ++(ours.isNull() ? count.second : count.first);
    if (c.width == 0) {
      EXPECT_TRUE(ours.isNull());
      continue;
    }
    ASSERT_FALSE(ours.isNull());
    EXPECT_EQ(ours.size(), QSize(c.width, c.height));
    if (!c.expected) continue;
    const fs::path ref = c.expected == kQt ? file : file.parent_path() / c.expected;
    const QImage want =
        ref.extension() == ".rgba" ? ExpectedFromRgba(ref, c.width, c.height) : ExpectedFromPicture(ref);
    EXPECT_EQ(MaxDifference(ours, want), 0);
  }
  const QImage plain = DecodeGifFile((Images() / "gif/giflib/treescap.gif").string());
  EXPECT_EQ(DecodeGifFile((Images() / "gif/giflib/treescap-interlaced.gif").string()), plain);
  EXPECT_EQ(DecodeGifFile((Images() / "gif/pygif/invalid-colors.gif").string()).pixel(0, 0), qRgb(0, 0, 0));
  Report("gif", counts);
}

TEST(PictureConformance, EveryBmpSuiteFileLoadsOrIsRefused) {
  REQUIRE_SUITE("bmp");
  std::map<std::string, std::pair<int, int>> counts;
  for (const char* folder : {"g", "q", "b", "x"}) {
    for (const fs::path& file : FilesIn(Images() / "bmp" / folder, ".bmp")) {
      SCOPED_TRACE(file.filename().string());
      const QImage ours = DecodeBmpFile(file.string());
      ++(ours.isNull() ? counts[folder].second : counts[folder].first);
      if (!ours.isNull()) { EXPECT_EQ(ours.format(), QImage::Format_RGB32); }
    }
  }
  EXPECT_EQ(counts["g"].first, 27);  // every good file
  EXPECT_TRUE(DecodeBmpFile((Images() / "bmp/b/reallybig.bmp").string()).isNull());
  EXPECT_TRUE(DecodeBmpFile((Images() / "bmp/x/ba-bm.bmp").string()).isNull());
  Report("bmp", counts);
}

}  // namespace
}  // namespace lumora
