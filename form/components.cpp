// The form model's few operations.
#include "form/components.h"

#include <algorithm>

namespace lumora {

SurfaceSize CappedSurfaceSize(int64_t width, int64_t height) {
  const int64_t w = std::clamp<int64_t>(width, 1, kMaxSurfaceSide);
  const int64_t h = std::clamp<int64_t>(height, 1, std::min<int64_t>(kMaxSurfaceSide, kMaxSurfacePixels / w));
  return {static_cast<int>(w), static_cast<int>(h)};
}

bool Notebook::ShowPage(const std::string& caption) {
  for (size_t i = 0; i < pages.size(); ++i) {
    if (pages[i] == caption) {
      pageIndex = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

}  // namespace lumora
