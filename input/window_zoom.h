// The window's zoom changed by the player (the zoom keys, --zoom): as large as
// asked where the screen has room for it, and the window kept on the screen.
#pragma once
#include "core/zoom.h"

namespace lumora {

struct TForm1;

// Sets f.zoom to the largest zoom not above `wanted` at which the window
// (Abok0's size, zoomed) fits `area`, the free area of the screen the window is
// on; when the zoom changed, moves the window (f.windowLeft, f.windowTop) fully
// onto that area. Returns whether the zoom changed.
bool ZoomWindow(TForm1& f, int wanted, const ScreenArea& area);

}  // namespace lumora
