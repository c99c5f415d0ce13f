// The zoom chosen for a screen: the window as large as fits four fifths of it.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lumora
