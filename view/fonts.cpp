// Fonts on bitmaps.
#include "view/fonts.h"

#include "core/text1252.h"
#include "form/config.h"

namespace lumora {

QFont FontForBitmap(const FontSpec& spec) {
  QFont font(QStringFromCp1252(spec.name));
  font.setPixelSize(std::max(1, PointsToPixels(spec.size)));
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  return font;
}

}  // namespace lumora
