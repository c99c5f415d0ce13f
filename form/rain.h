// The rain's work bitmaps, prepared by "chuva= on" and used by every tick.
#pragma once
#include <QImage>

namespace lumora {

struct RainLayers {
  // The drop picture on a bitmap of the screen's size, magenta where there are
  // no drops. It is never moved: `offset` says how far the drops have fallen.
  QImage layer;
  int offset = 0;
  // The still screen with the mask's non-white pixels over it; magenta where
  // the rain shows. Null without a mask.
  QImage overlay;
  QImage frame;  // the picture each tick composes
};

}  // namespace lumora
