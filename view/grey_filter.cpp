// The grey and tint filter and "cinza=".
#include "view/grey_filter.h"

#include <algorithm>

#include "core/strings.h"
#include "form/form1.h"
#include "form/surfaces.h"
#include "view/picture_draw.h"

namespace lumora {
namespace {

// The surface a surface word names, and the size its width and height
// arguments default to; null when the command does nothing there.
struct FilterTarget {
  QImage* image = nullptr;
  int width = 0, height = 0;
};

FilterTarget TargetOf(TForm1& f, const std::string& word) {
  if (NamesSurface(word, SurfaceId::TelCmd)) return {&f.panelBuffer, f.panelBuffer.width(), f.panelBuffer.height()};
  if (NamesSurface(word, SurfaceId::Imp)) return {&CanvasOf(f.Imp), f.Imp.width, f.Imp.height};
  switch (f.Model()) {
    case DisplayModel::Picture: return {&f.screenBuffer, f.screenBuffer.width(), f.screenBuffer.height()};
    case DisplayModel::Canvas: return {&CanvasOf(f.Tela), f.TelMod3.width, f.TelMod3.height};
    default: return {};
  }
}

// Width and height: empty reads as 0 (the whole surface), a text that is not a
// number as what is left of the surface from the rectangle's corner.
int Extent(const std::string& argument, int size, int from) {
  return argument.empty() ? 0 : IntOr(argument, size - from);
}

QRgb Tint(QRgb p, int32_t colour, int brightness) {
  auto channel = [&](int value, int shift) {
    const int limit = (colour >> shift) & 0xFF;
    value = std::min(value, limit);
    if (brightness > 0) value = std::max(value, limit - brightness);
    return value;
  };
  return qRgb(channel(qRed(p), 16), channel(qGreen(p), 8), channel(qBlue(p), 0));
}

}  // namespace

int GreyLevel(int red, int green, int blue, int brightness) {
  // In hundredths, so halves are exact and go to the even neighbour.
  const int hundredths = 30 * red + 59 * green + 11 * blue;
  int grey = hundredths / 100;
  const int rest = hundredths % 100;
  if (rest > 50 || (rest == 50 && grey % 2 == 1)) ++grey;
  return std::clamp(grey + brightness, 0, 255);
}

void GreyFilter(QImage& img, int32_t colour, int x, int y, int width, int height, int brightness) {
  if (img.isNull() || colour < 0) return;
  if (width == 0) width = img.width();
  if (height == 0) height = img.height();
  // Clipped in wide numbers: a corner far out must not wrap round into the picture.
  const int64_t x0 = std::max<int64_t>(0, x), x1 = std::min<int64_t>(img.width(), int64_t{x} + width);
  const int64_t y0 = std::max<int64_t>(0, y), y1 = std::min<int64_t>(img.height(), int64_t{y} + height);
  if (x0 >= x1 || y0 >= y1) return;
  if (img.format() != QImage::Format_RGB32) img = img.convertToFormat(QImage::Format_RGB32);
  for (int row = static_cast<int>(y0); row < y1; ++row) {
    QRgb* p = reinterpret_cast<QRgb*>(img.scanLine(row));
    for (int col = static_cast<int>(x0); col < x1; ++col) {
      if (colour == 0) {
        const int g = GreyLevel(qRed(p[col]), qGreen(p[col]), qBlue(p[col]), brightness);
        p[col] = qRgb(g, g, g);
      } else {
        p[col] = Tint(p[col], colour, brightness);
      }
    }
  }
}

void CmdCinza(TForm3& t) {
  TForm1& f = t.f;
  const std::string& word = t.arg[0];
  t.traceLine += word;
  if (!DrawnSurface(word)) {
    t.traceLine += " <--- n\xE3o definiu local corretamente";
    return;
  }
  auto number = [&](int i) { return IntOr(t.arg[i].empty() ? "0" : t.arg[i], 0); };
  const int amount = number(2), left = number(3), top = number(4);
  // No colour: the background colour text as 0xRRGGBB, unguarded.
  const int32_t colour = t.arg[1].empty() ? IntUnguarded("$" + f.message.background) : IntOr("$" + t.arg[1], 0);
  const FilterTarget target = TargetOf(f, word);
  const int width = Extent(t.arg[5], target.width, left), height = Extent(t.arg[6], target.height, top);
  if (target.image) GreyFilter(*target.image, colour, left, top, width, height, amount);
  t.traceLine += "," + t.arg[1] + "," + IntToStr(amount) + "," + IntToStr(left) + "," + IntToStr(top) + "," +
                 IntToStr(width) + "," + IntToStr(height);
}

}  // namespace lumora
