// The zoom keys and --zoom on the window's model: the zoom as large as the
// screen's free area holds, and the window moved onto that area.
#include <gtest/gtest.h>

#include "form/form1.h"
#include "input/window_zoom.h"
#include "platform/null_platform.h"

namespace lumora {
namespace {

TEST(WindowZoom, TheZoomFitsTheScreenItIsOnAndTheWindowIsMovedOntoIt) {
  const ScreenArea full{0, 0, 1600, 1000}, wide{0, 0, 2000, 1000}, right{1920, 30, 2560, 1410};
  const struct {
    int zoom, left, top;  // before
    int wanted;
    int width, height;  // the game's window, in design pixels
    ScreenArea area;
    int zoomAfter, leftAfter, topAfter;
    const char* what;
  } cases[] = {
      {1, 350, 290, 2, 900, 420, full, 1, 350, 290, "Ctrl+plus on 1600 by 1000: 1800 across would not fit"},
      {1, 550, 290, 2, 900, 420, wide, 2, 200, 160, "1800 by 840 fits 2000 by 1000: moved back onto it"},
      {2, -500, -100, 1, 900, 420, wide, 1, 0, 0, "Ctrl+minus off the screen's corner: back onto it"},
      {1, 3000, 1000, 3, 900, 420, right, 2, 2680, 600, "a right-hand screen: its area holds 2, its edges keep the window"},
      {2, 300, 200, 2, 900, 420, wide, 2, 300, 200, "the zoom it has: nothing moves, even a window partly off"},
      {1, 4000, 3000, 3, 900, 420, {}, 3, 4000, 3000, "no screen known: as asked, where it was"},
      {1, 0, 0, 3, 640, 480, full, 2, 0, 0, "the game's own size counts: 1920 across would not fit"},
  };
  for (const auto& c : cases) {
    NullPlatform platform;
    TForm1 f(platform);
    f.zoom = c.zoom;
    f.Abok0.width = c.width;
    f.Abok0.height = c.height;
    f.windowLeft = c.left;
    f.windowTop = c.top;
    EXPECT_EQ(ZoomWindow(f, c.wanted, c.area), c.zoomAfter != c.zoom) << c.what;
    EXPECT_EQ(f.zoom, c.zoomAfter) << c.what;
    EXPECT_EQ(f.windowLeft, c.leftAfter) << c.what;
    EXPECT_EQ(f.windowTop, c.topAfter) << c.what;
  }
}

}  // namespace
}  // namespace lumora
