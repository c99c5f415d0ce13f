// The shared drawing helpers: text measured and drawn transparent, key-colour
// transparency, rectangle copies, and the model-3 page's one height routine.
#include <gtest/gtest.h>

#include <set>

#include "support/temp_game.h"
#include "view/canvas3.h"
#include "view/picture_draw.h"
#include "view/surfaces.h"
#include "view/text_draw.h"

namespace lumora {
namespace {

FontSpec Font(Colour colour) {
  FontSpec f;
  f.name = "Liberation Sans";
  f.size = 12;
  f.color = colour;
  return f;
}

// The pixels of img that are not `background`, as a bounding rectangle.
QRect Inked(const QImage& img, QRgb background) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF)) r |= QRect(x, y, 1, 1);
  return r;
}

TEST(TextDraw, MeasuresAndDrawsWithTheBackgroundShowingThrough) {
  const FontSpec font = Font(0xFF0000);
  const QSize one = MeasureText(font, "W"), two = MeasureText(font, "WW");
  EXPECT_EQ(two.width(), 2 * one.width());
  EXPECT_EQ(one.height(), two.height());
  EXPECT_EQ(MeasureText(font, "").width(), 0);
  QImage img = FilledImage(100, 40, 0x00FF00);
  DrawTextTransparent(img, 10, 5, font, "WW");
  const QRect ink = Inked(img, 0x00FF00);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(10, 5, two.width(), two.height()).contains(ink)) << ink.x() << "," << ink.y();
  // Between the letters' strokes the green stays: no opaque box behind the text.
  EXPECT_EQ(img.pixel(10, 5) & 0xFFFFFF, 0x00FF00u);
  QImage clipped = FilledImage(100, 40, 0x00FF00);
  DrawTextTransparent(clipped, 10, 5, font, "WW", QRect(0, 0, 10 + one.width(), 40));
  EXPECT_LE(Inked(clipped, 0x00FF00).right(), 10 + one.width() - 1);
}

TEST(PictureDraw, KeyColourAndRectangleCopies) {
  QImage src = FilledImage(4, 1, 0xFFFFFF);
  src.setPixel(1, 0, 0xFF112233);
  QImage dst = FilledImage(4, 1, 0x000000);
  DrawTransparent(dst, src, 0, 0, 4, 1, 0xFFFFFFFF);  // white is the key: only one pixel lands
  EXPECT_EQ(Inked(dst, 0), QRect(1, 0, 1, 1));

  const QImage from = FilledImage(10, 10, 0x0000FF);
  struct Case {
    QPoint at;
    QRect part;
    QRect want;  // the blue pixels in a 20 by 20 target
  } cases[] = {
      {{5, 5}, {0, 0, 4, 4}, {5, 5, 4, 4}},
      {{18, 18}, {0, 0, 4, 4}, {18, 18, 2, 2}},   // off the target's edge
      {{-2, 0}, {0, 0, 4, 4}, {0, 0, 2, 4}},      // off its other edge
      {{0, 0}, {8, 8, 5, 5}, {0, 0, 2, 2}},       // partly outside the source
      {{0, 0}, {30, 30, 5, 5}, {}},               // wholly outside
  };
  for (const Case& c : cases) {
    QImage target = FilledImage(20, 20, 0);
    CopyRect(target, c.at.x(), c.at.y(), from, c.part);
    EXPECT_EQ(Inked(target, 0), c.want) << c.at.x() << "," << c.at.y();
  }
}

TEST(Canvas3Height, ClampedGrownWithRoomAndShrunkForReal) {
  testing::TempGame game;
  testing::Session s{game};
  TForm1& f = s.f;
  f.TelMod3.width = 50;
  f.canvas3Brush = 0xFFFFFF;
  SetCanvas3Height(f, 100);
  EXPECT_EQ(f.TelMod3.height, 100);
  f.TelMod3.picture.fill(Qt::black);
  SetCanvas3Height(f, -5);
  EXPECT_EQ(f.TelMod3.height, 0);
  SetCanvas3Height(f, 100);
  // What lay below the shorter page is gone.
  EXPECT_EQ(f.TelMod3.picture.pixel(0, 50) & 0xFFFFFF, 0xFFFFFFu);
  SetCanvas3Height(f, int64_t{1} << 40);
  EXPECT_EQ(f.TelMod3.height, kMaxCanvas3Height);
  // A page grown line by line is reallocated a few times, not once a line.
  SetCanvas3Height(f, 10);
  std::set<qint64> bitmaps;
  for (int h = 10; h < 5000; ++h) {
    SetCanvas3Height(f, h);
    ASSERT_GE(f.TelMod3.picture.height(), h);
    bitmaps.insert(f.TelMod3.picture.cacheKey());
  }
  EXPECT_LT(bitmaps.size(), 30u);
}

}  // namespace
}  // namespace lumora
