// Choosing the window's zoom from the screen.
#include "core/zoom.h"

#include <algorithm>

namespace lumora {

int ChooseZoom(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  if (windowWidth <= 0 || windowHeight <= 0) return 1;
  const int across = screenWidth * 4 / (windowWidth * 5), down = screenHeight * 4 / (windowHeight * 5);
  return std::clamp(std::min(across, down), 1, kMaxZoom);
}

}  // namespace lumora
