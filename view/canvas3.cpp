// The model-3 drawing surface.
#include "view/canvas3.h"

#include <QPainter>
#include <algorithm>

#include "core/text1252.h"
#include "form/form1.h"
#include "view/fonts.h"
#include "view/surfaces.h"

namespace lumora {

void EnsureCanvas3(TForm1& f) {
  const int w = std::max(1, f.TelMod3.width), h = std::max(1, f.TelMod3.height);
  QImage& pic = f.TelMod3.picture;
  if (!pic.isNull() && pic.width() == w && pic.height() >= h) return;
  // A page growing line by line gets half as much again as it had, up to the
  // limit; one that jumps further (a long text laid out at once) gets just
  // what it asked for, so no memory is filled that nothing will use.
  const int had = pic.isNull() || pic.width() != w ? 0 : pic.height();
  const int spare = had == 0 ? h : std::min(kMaxCanvas3Height, had + had / 2);
  QImage grown = FilledImage(w, std::max(h, spare), f.canvas3Brush);
  if (!pic.isNull()) {
    QPainter p(&grown);
    p.drawImage(0, 0, pic);
  }
  pic = std::move(grown);
}

int Canvas3Width(int64_t width) { return static_cast<int>(std::clamp<int64_t>(width, INT32_MIN, kMaxSurfaceSide)); }

int Canvas3Height(int width, int64_t height) {
  return static_cast<int>(std::clamp<int64_t>(height, 0, CappedSurfaceSize(width, kMaxCanvas3Height).height));
}

void SizeCanvas3(TForm1& f, int64_t width, int64_t height) {
  f.TelMod3.width = Canvas3Width(width);
  f.TelMod3.height = Canvas3Height(f.TelMod3.width, height);
}

void SetCanvas3Height(TForm1& f, int64_t height) {
  const int h = Canvas3Height(f.TelMod3.width, height);
  const int before = f.TelMod3.height;
  f.TelMod3.height = h;
  QImage& pic = f.TelMod3.picture;
  if (h < before && !pic.isNull() && h < pic.height()) {
    QPainter p(&pic);
    p.fillRect(0, h, pic.width(), pic.height() - h, QColor::fromRgb(f.canvas3Brush));
  }
  EnsureCanvas3(f);
}

void DrawCanvas3Text(TForm1& f, int x, int y, const std::string& text) {
  EnsureCanvas3(f);
  QPainter p(&f.TelMod3.picture);
  p.setFont(FontForBitmap(f.canvas3Font));
  p.setPen(QColor::fromRgb(f.canvas3Font.color));
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(QColor::fromRgb(f.canvas3Brush));
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), QStringFromCp1252(text));
}

void FillCanvas3(TForm1& f) {
  EnsureCanvas3(f);
  f.TelMod3.picture.fill(QColor::fromRgb(f.canvas3Brush));
}

void ShowCanvas3(TForm1& f) {
  EnsureCanvas3(f);
  f.Tela3.width = f.TelMod3.width;
  f.Tela3.height = f.TelMod3.height;
  f.Tela3.picture = f.TelMod3.picture.copy(0, 0, f.Tela3.width, std::max(1, f.Tela3.height));
}

}  // namespace lumora
