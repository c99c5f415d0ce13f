// The pictures of the window: the skin's shape, the opening picture and the quit
// button's released and pressed looks.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "form/config.h"
#include "input/quit_button.h"
#include "shell/lifecycle.h"
#include "support/temp_game.h"
#include "view/picture_draw.h"
#include "view/picture_loader.h"
#include "view/picture_test_files.h"

namespace lumora {
namespace {

using testing::Picture;
using testing::Plain;
using testing::Save;

constexpr QRgb M = 0xFFFF00FF, G = 0xFF208020;

std::vector<QRect> Rects(const QRegion& region) { return {region.begin(), region.end()}; }

TEST(ShapeRegion, KeepsTheSkinWithoutItsMagentaPixelsInRowBands) {
  // A 6 by 5 skin: magenta border, a magenta notch in rows 2 and 3.
  const QImage skin = Picture(6, 5, {M, M, M, M, M, M,  //
                                     M, G, G, G, G, M,  //
                                     M, G, M, M, G, M,  //
                                     M, G, M, M, G, M,  //
                                     M, M, M, M, M, M});
  const QRegion region = ShapeRegion(skin);
  EXPECT_EQ(Rects(region), (std::vector<QRect>{QRect(1, 1, 4, 1), QRect(1, 2, 1, 2), QRect(4, 2, 1, 2)}));
  for (const QPoint in : {QPoint(1, 1), QPoint(4, 1), QPoint(1, 3), QPoint(4, 3)}) EXPECT_TRUE(region.contains(in));
  for (const QPoint out : {QPoint(0, 0), QPoint(2, 2), QPoint(3, 3), QPoint(5, 1), QPoint(1, 4)})
    EXPECT_FALSE(region.contains(out));
  EXPECT_EQ(Rects(ShapeRegion(Plain(7, 3, G))), std::vector<QRect>{QRect(0, 0, 7, 3)});
  EXPECT_TRUE(ShapeRegion(Plain(7, 3, M)).isEmpty());
}

class WindowPicturesTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return game.folder() + name; }
  testing::TempGame game;
};

// A 900 by 420 skin whose 10-pixel border is magenta.
QImage BorderedSkin() {
  QImage skin = Plain(900, 420, M);
  for (int y = 10; y < 410; ++y)
    for (int x = 10; x < 890; ++x) skin.setPixel(x, y, G);
  return skin;
}

TEST_F(WindowPicturesTest, TheSkinOfLine14ShapesTheWindow) {
  Save(BorderedSkin(), Path("pele.png"), "PNG");
  game.SetConfig(kSkinPicture, "pele.png");
  testing::Session s(game);
  EXPECT_TRUE(s.f.shaped);
  EXPECT_EQ(Rects(s.f.shape), std::vector<QRect>{QRect(10, 10, 880, 400)});
  EXPECT_EQ(s.f.Imp.picture.format(), QImage::Format_RGB32);
  EXPECT_EQ(s.f.Imp.picture.pixel(0, 0), M);
  EXPECT_EQ(s.f.Abok0.width, 900);
}

TEST_F(WindowPicturesTest, AMissingSkinLeavesTheWindowUnshaped) {
  game.SetConfig(kSkinPicture, "nada.bmp");
  testing::Session s(game);
  EXPECT_TRUE(s.f.Imp.picture.isNull());  // cleared, then nothing loaded
  EXPECT_FALSE(s.f.shaped);
  EXPECT_EQ(s.f.Abok0.width, 900);
  // With no skin line the built-in skin stays, and the opening click shapes the
  // window after it: a plain rectangle.
  game.SetConfig(kSkinPicture, "");
  game.WriteScript("start", {"/ nada"});
  testing::Session t(game, false);
  TelAberClick(t.f);
  EXPECT_TRUE(t.f.shaped);
  EXPECT_EQ(Rects(t.f.shape), std::vector<QRect>{QRect(0, 0, 900, 420)});
}

TEST_F(WindowPicturesTest, TheQuitButtonShowsItsPressedAndReleasedPictures) {
  Save(Plain(30, 20, 0xFF0000FF), Path("U-bot1.bmp"), "BMP");
  Save(Plain(32, 22, 0xFFFF0000), Path("D-bot1.bmp"), "BMP");
  testing::Session s(game);
  EXPECT_EQ(s.f.btFim.picture.size(), QSize(30, 20));
  EXPECT_EQ(s.f.lbFim.left, s.f.btFim.left + 30 + 2);
  const int before = s.platform.processCount;
  BtFimMouseDown(s.f);
  EXPECT_EQ(s.f.btFim.picture.size(), QSize(32, 22));
  EXPECT_EQ(s.platform.processCount, before + 2);  // the loader's and the press's own
  EXPECT_FALSE(s.platform.exitRequested);
  const int64_t clock = s.platform.clock;
  BtFimMouseUp(s.f);
  EXPECT_EQ(s.f.btFim.picture.size(), QSize(30, 20));
  EXPECT_EQ(s.platform.clock, clock + 200);
  EXPECT_TRUE(s.platform.exitRequested);
}

// At creation the game folder is still empty: names are found in the current
// folder, which the program sets to its own folder at start.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : old_(getcwd(nullptr, 0)) { EXPECT_EQ(chdir(folder.c_str()), 0); }
  ~InFolder() {
    EXPECT_EQ(chdir(old_), 0);
    free(old_);
  }

 private:
  char* old_;
};

TEST_F(WindowPicturesTest, CreationLoadsTheOpeningPictureAndTheReleasedQuitButton) {
  Save(Plain(640, 300, 0xFF112233), Path("abertura.jpg"), "JPG");
  Save(Plain(30, 20, 0xFF0000FF), Path("U-bot1.bmp"), "BMP");
  game.SetConfig(kOpeningPicture, "abertura.jpg");
  InFolder here(game.folder());
  testing::Session s(game, false);
  EXPECT_EQ(s.f.TelAber.picture.size(), QSize(640, 300));
  EXPECT_EQ(s.f.TelAber.width, 640);  // sized to its picture
  EXPECT_TRUE(s.f.TelAber.enabled);
  EXPECT_EQ(s.f.btFim.picture.size(), QSize(30, 20));
  // An opening picture that cannot be read ends creation with a message.
  game.SetConfig(kOpeningPicture, "abertura.png");
  testing::Session broken(game, false);
  ASSERT_EQ(broken.platform.errors.size(), 1u);
  EXPECT_EQ(broken.platform.errors[0], "Error Opening File abertura.png!");
  EXPECT_TRUE(broken.f.btFim.picture.isNull());
}

}  // namespace
}  // namespace lumora
