// The window's zoom: how many screen pixels a design pixel takes, so that the
// 900 by 420 window is not a stamp on a high-density screen.
#pragma once

namespace lumora {

constexpr int kMaxZoom = 3;

// The largest whole zoom, 1 to kMaxZoom, at which the window fills at most
// four fifths of the screen's free area either way. The screen is measured in
// its own logical pixels, after its device pixel ratio, so the zoom comes on
// top of that ratio and never doubles it.
int ChooseZoom(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace lumora
