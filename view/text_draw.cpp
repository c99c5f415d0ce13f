// Text on bitmaps, measured and drawn in the fonts set in pixels.
#include "view/text_draw.h"

#include "core/text1252.h"
#include "view/fonts.h"

namespace lumora {

TextMeter::TextMeter(const FontSpec& font) : font_(FontForBitmap(font)), metrics_(font_) {}

QSize TextMeter::Measure(std::string_view text) const {
  return {metrics_.horizontalAdvance(QStringFromCp1252(text)), metrics_.height()};
}

QSize MeasureText(const FontSpec& font, std::string_view text) { return TextMeter(font).Measure(text); }

TransparentTextPainter::TransparentTextPainter(QImage& target, const TextMeter& meter)
    : painter_(&target), ascent_(QFontMetrics(meter.font()).ascent()) {
  painter_.setFont(meter.font());
  painter_.setBackgroundMode(Qt::TransparentMode);
}

void TransparentTextPainter::Draw(int x, int y, std::string_view text, Colour colour) {
  if (text.empty()) return;
  painter_.setPen(QColor::fromRgb(colour));
  painter_.drawText(QPoint(x, y + ascent_), QStringFromCp1252(text));
}

void DrawTextTransparent(QImage& target, int x, int y, const FontSpec& font, std::string_view text,
                         const QRect& clip) {
  if (target.isNull() || text.empty()) return;
  const TextMeter meter(font);
  TransparentTextPainter pen(target, meter);
  if (clip.isValid()) pen.painter().setClipRect(clip);
  pen.Draw(x, y, text, font.color);
}

}  // namespace lumora
