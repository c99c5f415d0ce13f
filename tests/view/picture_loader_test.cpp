// Load picture and Draw picture at: extension rules, errors, PNG transparency,
// the screen and panel buffers, the composition at the end of a run.
#include <gtest/gtest.h>

#include <zlib.h>

#include <QBuffer>
#include <filesystem>
#include <string>
#include <vector>

#include "core/script_error.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/picture_decoders.h"
#include "view/picture_loader.h"
#include "view/picture_test_files.h"

namespace lumora {
namespace {

using testing::Picture;
using testing::Pixels;
using testing::Plain;
using testing::Save;

constexpr QRgb M = 0xFF00FF, R = 0xFF0000, B = 0x0000FF, K = 0x000000, W = 0xFFFFFF;

class PictureLoaderTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return game.folder() + name; }
  // Imp holds a 1 by 1 grey marker, to see whether a load changed it.
  void MarkImp() { s.f.Imp.picture = Plain(1, 1, 0xFF808080); }
  bool ImpChanged() const { return s.f.Imp.picture.size() != QSize(1, 1); }

  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(PictureLoaderTest, ExtensionTestsAreCaseSensitiveAndIndependent) {
  ASSERT_TRUE(std::filesystem::create_directory(Path("fotos")));
  const QImage img = Plain(3, 2, 0xFF102030);
  Save(img, Path("fundo.png"), "PNG");
  Save(img, Path("fundo.PNG"), "PNG");
  Save(img, Path("fotos/fundo.png"), "PNG");
  Save(img, Path("fundo.jpg"), "JPG");
  Save(img, Path("fundo.bmp"), "BMP");
  Save(img, Path("fundo.tif"), "PNG");
  Save(img, Path("duplo.gif.bmp"), "BMP");  // read as BMP, then refused as GIF
  testing::SaveGif(Path("fundo.gif"), 3, 2, {0xFF102030, 0}, {0, 0, 0, 0, 0, 0});
  game.WriteLines("texto.jpg", {"not a picture"});
  const struct {
    const char* name;
    bool loads;
  } cases[] = {
      {"fundo.png", true},  {"fotos/fundo.png", true}, {"fundo.jpg", true},     {"fundo.bmp", true},
      {"fundo.gif", true},  {"duplo.gif.bmp", true},   {"fundo.PNG", false},    {"fundo.tif", false},
      {"nada.jpg", false},  {"nada.gif", false},       {"texto.jpg", false},    {"fundo", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MarkImp();
    LoadPicture(s.f, c.name, s.f.Imp);
    EXPECT_EQ(ImpChanged(), c.loads);
    if (c.loads) { EXPECT_EQ(s.f.Imp.picture.size(), QSize(3, 2)); }
  }
}

TEST_F(PictureLoaderTest, APngThatCannotBeReadEndsTheRun) {
  game.WriteLines("texto.png", {"not a picture"});
  MarkImp();
  try {
    LoadPicture(s.f, "nada.png", s.f.Imp);
    ADD_FAILURE() << "no error";
  } catch (const ScriptError& e) {
    EXPECT_EQ(std::string(e.what()), "Error Opening File " + game.folder() + "nada.png!");
  }
  EXPECT_THROW(LoadPicture(s.f, "texto.png", s.f.Imp), ScriptError);
  EXPECT_FALSE(ImpChanged());
  // In a script the error leaves the run before its finishing steps.
  Save(Plain(2, 2, 0xFF00FF00), Path("fundo.png"), "PNG");
  LoadPicture(s.f, "fundo.png", s.f.Tela);
  EXPECT_EQ(s.f.screenBuffer.pixel(0, 0), 0xFF00FF00);
  EXPECT_NE(s.f.Tela.picture.pixel(0, 0), 0xFF00FF00);
}

TEST_F(PictureLoaderTest, HalfTransparentPngPixelsAreBlendedAgainstMagentaWhenDecoded) {
  // Alpha 255, 128, 1 and 0 over (10, 200, 40): the inverted alpha A mixes
  // (A * magenta + (255 - A) * colour) / 255 per channel.
  Save(Picture(4, 1, {0xFF0AC828, 0x800AC828, 0x010AC828, 0x000AC828}), Path("meio.png"), "PNG");
  testing::SaveGreyAlphaPng(Path("cinza.png"), 3, 1, {100, 255, 100, 128, 100, 0});
  LoadPicture(s.f, "meio.png", s.f.Imp);
  EXPECT_EQ(Pixels(s.f.Imp.picture), (std::vector<QRgb>{0x0AC828, 0x846493, 0xFE00FE, M}));
  LoadPicture(s.f, "cinza.png", s.f.Imp);
  EXPECT_EQ(Pixels(s.f.Imp.picture), (std::vector<QRgb>{0x646464, 0xB132B1, M}));
  // On the screen buffer only the fully transparent pixel lets it show through.
  s.f.screenBuffer.fill(0xFF0000FF);
  LoadPicture(s.f, "meio.png", s.f.Tela);
  EXPECT_EQ(Pixels(s.f.screenBuffer.copy(0, 0, 4, 1)), (std::vector<QRgb>{0x0AC828, 0x846493, 0xFE00FE, B}));
}

TEST_F(PictureLoaderTest, PicturesForTelaAndTelCmdGoThroughBufShpOntoTheBuffers) {
  Save(Picture(2, 2, {0xFFFF0000, 0xFFFF00FF, 0xFFFF00FF, 0xFFFF0000}), Path("xadrez.bmp"), "BMP");
  const QImage telaBefore = s.f.Tela.picture;
  const int before = s.platform.processCount;
  LoadPicture(s.f, "xadrez.bmp", s.f.Tela);
  EXPECT_EQ(s.platform.processCount, before + 1);
  EXPECT_EQ(s.f.BufShp.picture.size(), QSize(2, 2));
  EXPECT_EQ(s.f.BufShp.width, 2);  // BufShp takes its picture's size
  EXPECT_TRUE(s.f.BufShp.transparent);
  EXPECT_EQ(Pixels(s.f.screenBuffer.copy(0, 0, 3, 2)), (std::vector<QRgb>{R, K, K, K, R, K}));
  EXPECT_EQ(s.f.Tela.picture, telaBefore);  // Tela changes when the run ends
  LoadPicture(s.f, "xadrez.bmp", s.f.TelCmd);
  EXPECT_EQ(Pixels(s.f.panelBuffer.copy(0, 0, 2, 2)), (std::vector<QRgb>{R, K, K, R}));
  // An empty name clears Tela's own picture and leaves the buffer alone.
  LoadPicture(s.f, "", s.f.Tela);
  EXPECT_TRUE(s.f.Tela.picture.isNull());
  EXPECT_EQ(s.f.screenBuffer.pixel(0, 0), 0xFFFF0000);
  EXPECT_EQ(s.platform.processCount, before + 3);
}

TEST_F(PictureLoaderTest, TwoPicturesComposeOnTheScreenBufferAndTheRunShowsThem) {
  Save(Plain(6, 4, 0xFF0000FF), Path("fundo.jpg"), "JPG");
  // A red 2 by 2 square inside a transparent 4 by 4 GIF.
  testing::SaveGif(Path("objeto.gif"), 4, 4, {0xFFFF0000, 0xFF00FF00}, {1, 1, 1, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1},
                   1);
  game.WriteScript("vazio", {"/ nada"});
  LoadPicture(s.f, "fundo.jpg", s.f.Tela);
  LoadPicture(s.f, "objeto.gif", s.f.Tela);
  RunScript(s.f, "vazio");
  const QImage shown = s.f.Tela.picture.copy(0, 0, 7, 4);
  auto near = [](QRgb p, QRgb want) {
    return std::abs(qRed(p) - qRed(want)) < 8 && std::abs(qGreen(p) - qGreen(want)) < 8 &&
           std::abs(qBlue(p) - qBlue(want)) < 8;
  };
  const std::vector<QRgb> want = {B, B, B, B, B, B, K, B, R, R, B, B, B, K,
                                  B, R, R, B, B, B, K, B, B, B, B, B, B, K};
  for (int i = 0; i < 28; ++i) EXPECT_TRUE(near(shown.pixel(i % 7, i / 7), want[static_cast<size_t>(i)])) << i;
  EXPECT_EQ(s.f.Tela.picture.copy(0, 0, 596, 271), s.f.screenBuffer.copy(0, 0, 596, 271));
}

TEST_F(PictureLoaderTest, TheRunDrawsTheHudWhenShownAndRecreatesAClearedTela) {
  game.WriteScript("vazio", {"/ nada"});
  s.f.Hud.picture = Picture(2, 2, {0xFFFF00FF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}).convertToFormat(QImage::Format_RGB32);
  s.f.hudX = 10;
  s.f.hudY = 5;
  s.f.Hud.tag = 0;
  RunScript(s.f, "vazio");
  EXPECT_EQ(s.f.screenBuffer.pixel(11, 5), 0xFF000000);
  s.f.Hud.tag = 1;
  s.f.screenBuffer.setPixel(10, 5, 0xFF0000FF);
  LoadPicture(s.f, "", s.f.Tela);
  RunScript(s.f, "vazio");
  EXPECT_EQ(Pixels(s.f.screenBuffer.copy(10, 5, 2, 2)), (std::vector<QRgb>{B, W, W, W}));
  ASSERT_EQ(s.f.Tela.picture.size(), QSize(s.f.Tela.width, s.f.Tela.height));
  EXPECT_EQ(s.f.Tela.picture.pixel(11, 6), 0xFFFFFFFF);
  // Other models leave Tela alone; the panel buffer is shown in every model.
  s.f.Modelo = "0";
  s.f.screenBuffer.fill(0xFF00FF00);
  s.f.panelBuffer.fill(0xFF00FF00);
  CopyBuffersToScreen(s.f);
  EXPECT_NE(s.f.Tela.picture.pixel(0, 0), 0xFF00FF00);
  EXPECT_EQ(s.f.TelCmd.picture.pixel(0, 0), 0xFF00FF00);
}

TEST_F(PictureLoaderTest, DrawPictureAtTakesItsOwnSizeOrStretches) {
  Save(Picture(2, 2, {0xFFFF0000, 0xFF0000FF, 0xFFFF00FF, 0xFFFFFFFF}), Path("p.bmp"), "BMP");
  DrawPictureAt(s.f, "p.bmp", 1, 1, s.f.Tela, 0, 0);
  EXPECT_EQ(Pixels(s.f.screenBuffer.copy(0, 0, 4, 3)), (std::vector<QRgb>{K, K, K, K, K, R, B, K, K, K, W, K}));
  DrawPictureAt(s.f, "p.bmp", 0, 0, s.f.TelCmd, 4, 4);
  EXPECT_EQ(Pixels(s.f.panelBuffer.copy(0, 0, 4, 4)),
            (std::vector<QRgb>{R, R, B, B, R, R, B, B, K, K, W, W, K, K, W, W}));
  // A huge rectangle draws its visible part without a bitmap of its size.
  DrawPictureAt(s.f, "p.bmp", 0, 0, s.f.TelCmd, 2000000000, 2000000000);
  EXPECT_EQ(s.f.panelBuffer.pixel(5, 5), 0xFFFF0000);
  // Tela outside model 1 is drawn on directly.
  s.f.Modelo = "3";
  s.f.Tela.picture = Plain(4, 4, 0xFF000000);
  DrawPictureAt(s.f, "p.bmp", 2, 2, s.f.Tela, 0, 0);
  EXPECT_EQ(s.f.Tela.picture.pixel(2, 2), 0xFFFF0000);
}

TEST_F(PictureLoaderTest, DrawingBelowTheModel3PageGrowsItAndMovesTheText) {
  Save(Plain(3, 20, 0xFFFF0000), Path("alto.bmp"), "BMP");
  s.f.TelMod3.width = 30;
  s.f.TelMod3.height = 100;
  s.f.TelMod3.picture = Plain(30, 100, 0xFF00FF00);
  s.f.canvas3Brush = 0x0000FF;
  s.f.textY = 7;
  DrawPictureAt(s.f, "alto.bmp", 0, 50, s.f.TelMod3, 0, 0);
  EXPECT_EQ(s.f.TelMod3.height, 100);
  EXPECT_EQ(s.f.textY, 27);
  DrawPictureAt(s.f, "alto.bmp", 0, 90, s.f.TelMod3, 3, 10);  // ends at the bottom
  EXPECT_EQ(s.f.TelMod3.height, 100);
  DrawPictureAt(s.f, "alto.bmp", 0, 95, s.f.TelMod3, 3, 10);
  EXPECT_EQ(s.f.TelMod3.height, 115);
  EXPECT_GE(s.f.TelMod3.picture.height(), 115);
  EXPECT_EQ(s.f.textY, 67);  // by the picture's own height
  EXPECT_EQ(s.f.TelMod3.picture.pixel(5, 5), 0xFF00FF00);    // kept
  EXPECT_EQ(s.f.TelMod3.picture.pixel(5, 110), 0xFF0000FF);  // new, in the brush colour
  EXPECT_EQ(s.f.TelMod3.picture.pixel(1, 99), 0xFFFF0000);
}

// A PNG header (signature and IHDR) claiming the given size, with a valid CRC.
std::string PngHeader(uint32_t width, uint32_t height) {
  std::string ihdr = "IHDR";
  for (uint32_t v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) ihdr += static_cast<char>((v >> shift) & 0xFF);
  ihdr += std::string("\x08\x02\x00\x00\x00", 5);
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(ihdr.data()), static_cast<uInt>(ihdr.size()));
  std::string out = "\x89PNG\r\n\x1A\n";
  out += std::string("\x00\x00\x00\x0D", 4) + ihdr;
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((crc >> shift) & 0xFF);
  return out;
}

TEST(PictureLimits, HugeClaimedSizesAreRefusedBeforeAllocating) {
  const auto bytes = [](const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); };
  const std::string huge = PngHeader(100000, 100000);
  EXPECT_THROW(DecodePng(bytes(huge), huge.size()), ScriptError);
  // A GIF whose screen and image claim 60,000 by 60,000 pixels.
  static const char kGif[] =
      "GIF89a\x60\xEA\x60\xEA\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF"
      ",\x00\x00\x00\x00\x60\xEA\x60\xEA\x00\x02\x02\x44\x01\x00;";
  const std::string gif(kGif, sizeof kGif - 1);
  EXPECT_TRUE(DecodeGif(bytes(gif), gif.size()).isNull());
  // A JPEG whose frame header claims 20,000 by 20,000 pixels.
  QByteArray jpeg;
  {
    QImage small = Plain(8, 8, 0xFF336699);
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "JPG");
  }
  const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(sof, 0);
  for (int i : {5, 7}) {
    jpeg[sof + i] = static_cast<char>(0x4E);  // 20000 = 0x4E20
    jpeg[sof + i + 1] = static_cast<char>(0x20);
  }
  EXPECT_TRUE(DecodeJpeg(reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<size_t>(jpeg.size()))
                  .isNull());
  // The limits themselves: a side and a pixel count.
  const PictureLimits limits;
  EXPECT_TRUE(limits.Allow(16384, 4096));
  EXPECT_FALSE(limits.Allow(16385, 1));
  EXPECT_FALSE(limits.Allow(1, 16385));
  EXPECT_FALSE(limits.Allow(16384, 4097));
  EXPECT_FALSE(limits.Allow(0, 1));
}

}  // namespace
}  // namespace lumora
