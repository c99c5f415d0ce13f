// Text on bitmaps: measuring a text in a font, and drawing it with a transparent
// background, as link texts, object grids, box texts and the screen buffer's
// texts are drawn.
#pragma once
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <string_view>

#include "form/components.h"

namespace lumora {

// Measures texts in one font; the font is built once, so laying out a long
// text word by word does not rebuild it for every word.
class TextMeter {
 public:
  explicit TextMeter(const FontSpec& font);
  // The advance of the whole text and the font's line height.
  QSize Measure(std::string_view text) const;
  const QFont& font() const { return font_; }

 private:
  QFont font_;
  QFontMetrics metrics_;
};

// The width and height in pixels a Windows-1252 text takes in the font: the
// advance of the whole text, and the font's line height.
QSize MeasureText(const FontSpec& font, std::string_view text);

// Draws texts on one bitmap in one font with the background showing through;
// one painter for many texts.
class TransparentTextPainter {
 public:
  TransparentTextPainter(QImage& target, const TextMeter& meter);
  // The text with its top-left corner at (x, y), in the colour.
  void Draw(int x, int y, std::string_view text, Colour colour);
  QPainter& painter() { return painter_; }

 private:
  QPainter painter_;
  int ascent_;
};

// Draws the text with its top-left corner at (x, y) of the bitmap, in the font's
// colour; the background shows through. With a clip rectangle nothing is drawn
// outside it.
void DrawTextTransparent(QImage& target, int x, int y, const FontSpec& font, std::string_view text,
                         const QRect& clip = QRect());

}  // namespace lumora
