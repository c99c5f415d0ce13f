// Text on bitmaps: measuring a text in a font, and drawing it with a transparent
// background, as link texts, object grids, box texts and the screen buffer's
// texts are drawn.
#pragma once
#include <QImage>
#include <QRect>
#include <QSize>
#include <string_view>

#include "form/components.h"

namespace lumora {

// The width and height in pixels a Windows-1252 text takes in the font: the
// advance of the whole text, and the font's line height.
QSize MeasureText(const FontSpec& font, std::string_view text);

// Draws the text with its top-left corner at (x, y) of the bitmap, in the font's
// colour; the background shows through. With a clip rectangle nothing is drawn
// outside it.
void DrawTextTransparent(QImage& target, int x, int y, const FontSpec& font, std::string_view text,
                         const QRect& clip = QRect());

}  // namespace lumora
