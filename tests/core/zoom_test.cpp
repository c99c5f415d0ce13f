// The zoom chosen for a screen: the window as large as fits four fifths of it;
// a zoom asked for, as large as the screen's free area holds; and the window
// kept on that area.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <utility>

#include "core/zoom.h"

namespace lumora {
namespace {

TEST(ZoomTest, TheLargestWholeZoomThatLeavesAFifthOfTheScreenFree) {
  const struct {
    int screenW, screenH, zoom;
    const char* what;
  } cases[] = {
      {1366, 728, 1, "laptop"},
      {1920, 1040, 1, "full HD: 1800 would leave too little"},
      {2560, 1400, 2, "QHD"},
      {3840, 2120, 3, "4K at ratio 1"},
      {1920, 1060, 1, "4K at ratio 2: the ratio already doubles it"},
      {7680, 4280, 3, "8K: never past 3"},
      {2250, 1050, 2, "exactly four fifths across and down"},
      {2249, 1050, 1, "a pixel short across"},
      {2250, 1049, 1, "a pixel short down"},
      {600, 300, 1, "smaller than the window: never below 1"},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseZoom(c.screenW, c.screenH, 900, 420), c.zoom) << c.what;
  EXPECT_EQ(ChooseZoom(3840, 2120, 0, 0), 1);  // no window size yet
}

TEST(ZoomTest, AZoomAskedForIsTheLargestNotAboveItWhoseWindowFitsTheArea) {
  const struct {
    int wanted;
    ScreenArea area;
    int zoom;
    const char* what;
  } cases[] = {
      {2, {0, 0, 1600, 1000}, 1, "1800 across does not fit 1600"},
      {3, {0, 0, 1600, 1000}, 1, "nor does 2700"},
      {3, {0, 0, 2000, 1000}, 2, "1800 by 840 fits, 2700 does not"},
      {3, {0, 0, 2700, 1260}, 3, "exactly the area"},
      {3, {0, 0, 2699, 1260}, 2, "a pixel short across"},
      {3, {0, 0, 2700, 1259}, 2, "a pixel short down"},
      {2, {0, 0, 3840, 2160}, 2, "room for more: never above the wanted one"},
      {5, {0, 0, 7680, 4320}, 3, "never past 3"},
      {0, {0, 0, 3840, 2160}, 1, "never below 1"},
      {2, {0, 0, 800, 600}, 1, "smaller than the unzoomed window: 1 all the same"},
      {3, {1920, 0, 1920, 1050}, 2, "a second screen: its size counts, not its place"},
      {3, {}, 3, "no screen known: as asked"},
  };
  for (const auto& c : cases) EXPECT_EQ(FittingZoom(c.wanted, c.area, 900, 420), c.zoom) << c.what;
  EXPECT_EQ(FittingZoom(2, {0, 0, 1600, 1000}, 0, 0), 2);  // no window size yet
}

TEST(ZoomTest, TheWindowMovesAsLittleAsItTakesToLieFullyOnTheArea) {
  const ScreenArea screen{0, 0, 1600, 1000}, second{1600, 40, 1920, 1040};
  const struct {
    WindowPlace at;
    int width, height;
    ScreenArea area;
    WindowPlace moved;
    const char* what;
  } cases[] = {
      {{350, 290}, 900, 420, screen, {350, 290}, "already on it: stays"},
      {{350, 290}, 1600, 840, screen, {0, 160}, "grown past the right and bottom edges"},
      {{-200, -50}, 900, 420, screen, {0, 0}, "off the left and top edges"},
      {{700, 580}, 900, 420, screen, {700, 580}, "touching the right and bottom edges"},
      {{701, 581}, 900, 420, screen, {700, 580}, "a pixel past them"},
      {{500, 100}, 2700, 1260, screen, {0, 0}, "larger than the area: at its top-left corner"},
      {{100, 100}, 1800, 840, second, {1600, 100}, "onto a second screen, below its panel"},
      {{3000, 0}, 900, 420, second, {2620, 40}, "past the second screen's right edge"},
      {{5000, 5000}, 900, 420, {}, {5000, 5000}, "no screen known: where it was"},
  };
  for (const auto& c : cases) EXPECT_EQ(OntoArea(c.at, c.width, c.height, c.area), c.moved) << c.what;
}

TEST(ZoomTest, AComponentAnywhereAGameCanPutItIsShownWithinWhatAWindowSystemHolds) {
  // Places and sizes of INT_MAX pixels are zoomed in 64 bits and held.
  constexpr int kMax = kMaxShownSide;
  const std::pair<ShownRect, ShownRect> cases[] = {  // design rectangle at zoom 3, shown
      {{39, 36, 596, 323}, {117, 108, 1788, 969}},
      {{-20, 5, -7, 0}, {-60, 15, 0, 0}},
      {{INT_MAX, INT_MIN, INT_MAX, 323}, {kMax, -kMax, kMax, 969}},
  };
  for (const auto& [d, shown] : cases) EXPECT_EQ(ZoomedRect(d.left, d.top, d.width, d.height, 3), shown) << d.left;
  EXPECT_EQ(ZoomedLength(int64_t{INT_MAX} + INT_MAX, 1), kMax);
}

}  // namespace
}  // namespace lumora
