// Fonts on bitmaps: sizes are points on a 96-dpi screen, set in pixels, so text
// measures the same in a window, headless, and on any screen.
#pragma once
#include <QFont>

#include "form/components.h"

namespace lumora {

QFont FontForBitmap(const FontSpec& spec);

}  // namespace lumora
