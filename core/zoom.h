// The window's zoom: how many screen pixels a design pixel takes, so that the
// 900 by 420 window is not a stamp on a high-density screen; and where a
// zoomed window goes so that it stays on its screen.
#pragma once
#include <cstdint>

namespace lumora {

constexpr int kMaxZoom = 3;

// A window system's widgets are at most 16,777,215 pixels a side (Qt's
// QWIDGETSIZE_MAX); a rectangle whose corner and sides stay within that keeps
// its edges, and any sum of them, within an int.
constexpr int kMaxShownSide = (1 << 24) - 1;
struct ShownRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ShownRect&) const = default;
};
// A design length or place as shown at a zoom. A game may place and size its
// components anywhere up to two thousand million pixels: computed in 64 bits
// and held to kMaxShownSide either way.
int ZoomedLength(int64_t length, int zoom);
// A design rectangle as shown at a zoom, held so; a negative side is empty.
ShownRect ZoomedRect(int64_t left, int64_t top, int64_t width, int64_t height, int zoom);

// The largest whole zoom, 1 to kMaxZoom, at which the window fills at most
// four fifths of the screen's free area either way. The screen is measured in
// its own logical pixels, after its device pixel ratio, so the zoom comes on
// top of that ratio and never doubles it.
int ChooseZoom(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// The part of a screen windows may take (its available area, without panels),
// in the screen's logical pixels; an empty one stands for a screen not known.
struct ScreenArea {
  int left = 0, top = 0, width = 0, height = 0;
  bool Known() const { return width > 0 && height > 0; }
};

// The largest zoom not above the wanted one (itself kept within 1 to kMaxZoom)
// at which the window, of the given design size, fits the area either way.
// Never below 1, even where the unzoomed window is larger than the area; an
// unknown area takes any zoom.
int FittingZoom(int wanted, const ScreenArea& area, int windowWidth, int windowHeight);

struct WindowPlace {
  int left = 0, top = 0;
  bool operator==(const WindowPlace&) const = default;
};

// The window's top-left corner moved as little as it takes for the window, of
// the given screen size, to lie fully on the area. A window wider or taller
// than the area is put at its left or top edge, where the title of a framed
// window would be. An unknown area leaves the window where it is.
WindowPlace OntoArea(WindowPlace at, int width, int height, const ScreenArea& area);

}  // namespace lumora
