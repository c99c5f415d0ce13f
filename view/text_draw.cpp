// Text on bitmaps, measured and drawn in the fonts set in pixels.
#include "view/text_draw.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/text1252.h"
#include "view/fonts.h"

namespace lumora {

QSize MeasureText(const FontSpec& font, std::string_view text) {
  const QFontMetrics metrics(FontForBitmap(font));
  return {metrics.horizontalAdvance(QStringFromCp1252(text)), metrics.height()};
}

void DrawTextTransparent(QImage& target, int x, int y, const FontSpec& font, std::string_view text,
                         const QRect& clip) {
  if (target.isNull() || text.empty()) return;
  QPainter p(&target);
  if (clip.isValid()) p.setClipRect(clip);
  const QFont qfont = FontForBitmap(font);
  p.setFont(qfont);
  p.setPen(QColor::fromRgb(font.color));
  p.setBackgroundMode(Qt::TransparentMode);
  p.drawText(QPoint(x, y + QFontMetrics(qfont).ascent()), QStringFromCp1252(text));
}

}  // namespace lumora
