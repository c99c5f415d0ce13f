// Drawing with magenta transparency, picture-box canvases, the skin's region.
#include "view/picture_draw.h"

#include <QPainter>
#include <QVector>
#include <algorithm>
#include <vector>

#include "form/form1.h"
#include "view/picture_decoders.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

bool SameColour(QRgb a, QRgb b) { return (a & 0x00FFFFFFu) == (b & 0x00FFFFFFu); }
bool IsMagenta(QRgb p) { return SameColour(p, kMagenta); }

// A bitmap we can address as 32-bit pixels.
bool Is32Bit(const QImage& img) {
  return img.format() == QImage::Format_RGB32 || img.format() == QImage::Format_ARGB32;
}

}  // namespace

void DrawTransparent(QImage& dst, const QImage& src, int x, int y, int width, int height, QRgb key) {
  if (src.isNull() || dst.isNull() || width <= 0 || height <= 0) return;
  const QImage from = Is32Bit(src) ? src : src.convertToFormat(QImage::Format_RGB32);
  if (!Is32Bit(dst)) dst = dst.convertToFormat(QImage::Format_RGB32);
  const int64_t x0 = std::max<int64_t>(0, x), x1 = std::min<int64_t>(dst.width(), int64_t{x} + width);
  const int64_t y0 = std::max<int64_t>(0, y), y1 = std::min<int64_t>(dst.height(), int64_t{y} + height);
  if (x0 >= x1 || y0 >= y1) return;
  std::vector<int> column(static_cast<size_t>(x1 - x0));
  for (int64_t dx = x0; dx < x1; ++dx)
    column[static_cast<size_t>(dx - x0)] = static_cast<int>((dx - x) * from.width() / width);
  for (int64_t dy = y0; dy < y1; ++dy) {
    const int sy = static_cast<int>((dy - y) * from.height() / height);
    const QRgb* in = reinterpret_cast<const QRgb*>(from.constScanLine(sy));
    QRgb* out = reinterpret_cast<QRgb*>(dst.scanLine(static_cast<int>(dy))) + x0;
    for (size_t i = 0; i < column.size(); ++i) {
      const QRgb p = in[column[i]];
      if (!SameColour(p, key)) out[i] = p | 0xFF000000u;
    }
  }
}

void CopyRect(QImage& dst, int x, int y, const QImage& src, const QRect& from) {
  if (src.isNull() || dst.isNull()) return;
  // Clip the source to src, then the target to dst, moving the other with it.
  QRect part = from.intersected(src.rect());
  QRect to = part.translated(x - from.x(), y - from.y()).intersected(dst.rect());
  if (to.isEmpty()) return;
  part = to.translated(from.x() - x, from.y() - y);
  QPainter p(&dst);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(to.topLeft(), src, part);
}

void DrawOpaque(QImage& dst, const QImage& src) {
  if (src.isNull() || dst.isNull()) return;
  QPainter p(&dst);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, src);
}

QImage& CanvasOf(ImageBox& box) {
  if (box.picture.isNull()) box.picture = FilledImage(box.width, box.height, kWhite);
  return box.picture;
}

QRegion ShapeRegion(const QImage& skin) {
  const QImage img = Is32Bit(skin) ? skin : skin.convertToFormat(QImage::Format_RGB32);
  QVector<QRect> rects;
  std::vector<std::pair<int, int>> band, row;  // runs as [start, end)
  int bandTop = 0;
  auto closeBand = [&](int bottom) {
    for (const auto& [start, end] : band) rects.append(QRect(start, bandTop, end - start, bottom - bandTop));
  };
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* p = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    row.clear();
    for (int x = 0; x < img.width();) {
      if (IsMagenta(p[x])) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < img.width() && !IsMagenta(p[x])) ++x;
      row.emplace_back(start, x);
    }
    if (y > 0 && row == band) continue;
    closeBand(y);
    band.swap(row);
    bandTop = y;
  }
  closeBand(img.height());
  QRegion region;
  if (!rects.isEmpty()) region.setRects(rects.constData(), static_cast<int>(rects.size()));
  return region;
}

QImage& ScriptBuffer(TForm1& f, const SurfaceRow& s) { return s.buffer ? f.*s.buffer : CanvasOf(f.*s.control); }

QImage WithoutKeyColour(const QImage& picture) {
  if (picture.isNull()) return picture;
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, keyed.height() - 1);
  for (int y = 0; y < keyed.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if (line[x] == key) line[x] = 0;
  }
  return keyed;
}

}  // namespace lumora
