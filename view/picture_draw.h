// Drawing pictures with magenta transparency, the canvas of a picture box, and
// the region a skin picture gives the window.
#pragma once
#include <QImage>
#include <QRegion>

#include "form/components.h"
#include "form/surfaces.h"

namespace lumora {

// Draws src into the rectangle (x, y, width, height) of dst, stretched to the
// nearest pixel when the sizes differ, leaving out src's pixels of the key colour
// (magenta unless said otherwise: the rain mask keys white, a map piece its
// bottom-left pixel). Only the part inside dst is computed, so a huge rectangle
// costs no memory.
void DrawTransparent(QImage& dst, const QImage& src, int x, int y, int width, int height,
                     QRgb key = 0xFFFF00FF);
inline void DrawTransparent(QImage& dst, const QImage& src, int x, int y) {
  DrawTransparent(dst, src, x, y, src.width(), src.height());
}

// Copies the rectangle `from` of src, every pixel, to (x, y) of dst; what lies
// outside either bitmap is left out.
void CopyRect(QImage& dst, int x, int y, const QImage& src, const QRect& from);

// Draws src at (0, 0) of dst, every pixel.
void DrawOpaque(QImage& dst, const QImage& src);

// The bitmap a picture box draws on: its picture, or, when it has none, a new
// white one of the box's size, as a picture box's canvas is made on first use.
QImage& CanvasOf(ImageBox& box);

// The bitmap scripts draw on for a surface: its buffer, or its box's own picture.
QImage& ScriptBuffer(TForm1& f, const SurfaceRow& s);

// A transparent picture box's picture as shown: the colour of its bottom-left
// pixel left out, as the player's marker on the map is drawn.
QImage WithoutKeyColour(const QImage& picture);

// The pixels of the skin that are not magenta, as one rectangle per run of such
// pixels in a row; rows with the same runs are joined into one band.
QRegion ShapeRegion(const QImage& skin);

}  // namespace lumora
