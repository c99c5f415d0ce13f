// Choosing the window's zoom from the screen, and keeping the window on it.
#include "core/zoom.h"

#include <algorithm>

namespace lumora {
namespace {

// The start of a span of `size` moved as little as it takes to lie within
// [from, from + room); at `from` when it is longer than the room.
int Within(int start, int size, int from, int room) { return std::max(from, std::min(start, from + room - size)); }

}  // namespace

int ZoomedLength(int64_t length, int zoom) {
  const int64_t design = std::clamp<int64_t>(length, -kMaxShownSide, kMaxShownSide);
  return static_cast<int>(std::clamp<int64_t>(design * zoom, -kMaxShownSide, kMaxShownSide));
}

ShownRect ZoomedRect(int64_t left, int64_t top, int64_t width, int64_t height, int zoom) {
  return {ZoomedLength(left, zoom), ZoomedLength(top, zoom), std::max(0, ZoomedLength(width, zoom)),
          std::max(0, ZoomedLength(height, zoom))};
}

int ChooseZoom(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  if (windowWidth <= 0 || windowHeight <= 0) return 1;
  const int across = screenWidth * 4 / (windowWidth * 5), down = screenHeight * 4 / (windowHeight * 5);
  return std::clamp(std::min(across, down), 1, kMaxZoom);
}

int FittingZoom(int wanted, const ScreenArea& area, int windowWidth, int windowHeight) {
  int zoom = std::clamp(wanted, 1, kMaxZoom);
  if (!area.Known() || windowWidth <= 0 || windowHeight <= 0) return zoom;
  while (zoom > 1 && (windowWidth * zoom > area.width || windowHeight * zoom > area.height)) --zoom;
  return zoom;
}

WindowPlace OntoArea(WindowPlace at, int width, int height, const ScreenArea& area) {
  if (!area.Known()) return at;
  return {Within(at.left, width, area.left, area.width), Within(at.top, height, area.top, area.height)};
}

}  // namespace lumora
