// The grey and tint filter: grey levels and their rounding, the brightness
// clamp, the tint, rectangles off the surface, and "cinza=" per surface.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "support/temp_game.h"
#include "view/grey_filter.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

QRgb At(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

TEST(GreyLevel, RoundsHalvesToEvenAndClampsTheBrightness) {
  const struct {
    int r, g, b, brightness, want;
  } cases[] = {
      {5, 0, 0, 0, 2},        // 1.5 goes up to the even 2
      {15, 0, 0, 0, 4},       // 4.5 goes down to the even 4
      {0, 0, 50, 0, 6},       // 5.5 up to 6
      {0, 0, 150, 0, 16},     // 16.5 down to 16
      {1, 1, 1, 0, 1},        // 1.00
      {0, 1, 0, 0, 1},        // 0.59
      {0, 0, 4, 0, 0},        // 0.44
      {200, 100, 50, 0, 124}, // 60 + 59 + 5.5 = 124.5, even 124
      {255, 255, 255, 0, 255},
      {255, 255, 255, 10, 255},  // the brightness stops at white
      {250, 250, 250, 40, 255},
      {10, 10, 10, -40, 0},      // and at black
      {100, 100, 100, 25, 125},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GreyLevel(c.r, c.g, c.b, c.brightness), c.want) << c.r << "," << c.g << "," << c.b << " +" << c.brightness;
}

TEST(GreyFilter, TintsWithAndWithoutAnAmount) {
  const struct {
    int32_t colour;
    int amount;
    QRgb want;
  } cases[] = {
      {0x0000FF, 0, 0x000032},   // only blue kept: 50
      {0x0000FF, 40, 0x0000D7},  // blue raised to at least 255 - 40
      {0x808080, 0, 0x806432},   // red lowered to 128, green and blue kept
      {0x808080, 100, 0x806432}, // already within 100 of each limit
      {0x808080, 10, 0x807676},  // raised to at least 118
      {0xFFFFFF, 0, 0xC86432},   // white changes nothing
  };
  for (const auto& c : cases) {
    QImage img = FilledImage(2, 2, 0xC86432);  // 200, 100, 50
    GreyFilter(img, c.colour, 0, 0, 0, 0, c.amount);
    EXPECT_EQ(At(img, 1, 1), c.want) << std::hex << c.colour << " " << std::dec << c.amount;
  }
}

TEST(GreyFilter, RectanglesOffTheSurfaceAreClipped) {
  // Not a QRect: making one from the last case's numbers overflows (x + width).
  struct Given {
    int x, y, w, h;
  };
  const struct {
    Given rect;   // x, y, width, height as given
    QRect greyed; // the pixels of a 10 by 10 picture that turn grey
  } cases[] = {
      {{2, 3, 4, 2}, {2, 3, 4, 2}},
      {{-5, -5, 10, 10}, {0, 0, 5, 5}},
      {{8, 8, 100, 100}, {8, 8, 2, 2}},
      {{20, 20, 5, 5}, {}},
      {{-30, 0, 5, 5}, {}},
      {{3, 0, 0, 2}, {3, 0, 7, 2}},   // width 0: the whole width from x on
      {{0, 4, 2, 0}, {0, 4, 2, 6}},
      {{2, 2, -4, 3}, {}},
      {{2147483000, 0, 2000, 5}, {}},  // far off without wrapping round
  };
  for (const auto& c : cases) {
    QImage img = FilledImage(10, 10, 0xFF0000);
    GreyFilter(img, 0, c.rect.x, c.rect.y, c.rect.w, c.rect.h, 0);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x)
        ASSERT_EQ(At(img, x, y), c.greyed.contains(x, y) ? 0x4C4C4Cu : 0xFF0000u)
            << "rect " << c.rect.x << "," << c.rect.y << " at " << x << "," << y;
  }
}

class CinzaTest : public ::testing::Test {
 protected:
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(CinzaTest, PerSurfaceAndModel) {
  // The background is black (colour 0): no colour argument greys.
  const struct {
    const char* model;
    const char* line;
    QImage TForm1::*image;  // the bitmap the filter should reach, or null
  } cases[] = {
      {"1", "cinza= tel", &TForm1::screenBuffer},
      {"1", "cinza= fnc,,0,0,0", &TForm1::panelBuffer},
      {"2", "cinza= fnc", &TForm1::panelBuffer},
      {"2", "cinza= tel", nullptr},
      {"0", "cinza= tel", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    s.f.Modelo = c.model;
    s.f.screenBuffer.fill(0xFFFF0000);
    s.f.panelBuffer.fill(0xFFFF0000);
    s.Exec({c.line});
    for (QImage* img : {&s.f.screenBuffer, &s.f.panelBuffer}) {
      const bool reached = c.image && img == &(s.f.*c.image);
      EXPECT_EQ(At(*img, img->width() - 1, img->height() - 1), reached ? 0x4C4C4Cu : 0xFF0000u);
    }
  }
  s.f.Modelo = "1";
  s.f.Imp.picture = FilledImage(30, 20, 0xFF0000);
  s.Exec({"cinza= pan,,0,0,0"});
  EXPECT_EQ(At(s.f.Imp.picture, 29, 19), 0x4C4C4Cu);
  s.f.Modelo = "3";
  s.f.Tela.picture = FilledImage(30, 20, 0xFF0000);
  s.Exec({"cinza= tel,,0,0,0,5,5"});
  EXPECT_EQ(At(s.f.Tela.picture, 4, 4), 0x4C4C4Cu);
  EXPECT_EQ(At(s.f.Tela.picture, 5, 5), 0xFF0000u);
}

TEST_F(CinzaTest, KeepsOnlyBlueInTheRectangleAndTracesTheArguments) {
  s.f.screenBuffer.fill(0xFFC86432);
  EXPECT_EQ(s.Exec({"cinza= tel,0000FF,0,10,10,100,50"}), "   0: cinza= tel,0000FF,0,10,10,100,50");
  EXPECT_EQ(At(s.f.screenBuffer, 10, 10), 0x000032u);
  EXPECT_EQ(At(s.f.screenBuffer, 109, 59), 0x000032u);
  EXPECT_EQ(At(s.f.screenBuffer, 110, 59), 0xC86432u);
  EXPECT_EQ(At(s.f.screenBuffer, 9, 10), 0xC86432u);
  // Brightness: grey plus 40.
  s.f.screenBuffer.fill(0xFF000000);
  s.Exec({"cinza= tel,,40"});
  EXPECT_EQ(At(s.f.screenBuffer, 300, 200), 0x282828u);
}

TEST_F(CinzaTest, WidthThatIsNoNumberIsWhatIsLeftAndWrongWordsAreReported) {
  const int w = s.f.screenBuffer.width();
  EXPECT_EQ(s.Exec({"cinza= tel,,0,100,0,x,y"}),
            "   0: cinza= tel,,0,100,0," + std::to_string(w - 100) + "," + std::to_string(s.f.screenBuffer.height()));
  EXPECT_EQ(s.Exec({"cinza= mesa"}), "   0: cinza= mesa <--- n\xE3o definiu local corretamente");
  EXPECT_EQ(s.Exec({"cinza= tel,zz"}), "   0: cinza= tel,zz,0,0,0,0,0");  // a colour that is no number is 0
  // No colour reads the background colour unguarded.
  s.f.message.background = "verde";
  EXPECT_THROW(s.Exec({"cinza= tel"}), ScriptError);
}

}  // namespace
}  // namespace lumora
