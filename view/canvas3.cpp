// The model-3 drawing surface.
#include "view/canvas3.h"

#include <QPainter>

#include "core/text1252.h"
#include "form/form1.h"
#include "view/fonts.h"
#include "view/surfaces.h"

namespace lumora {

void EnsureCanvas3(TForm1& f) {
  const int w = std::max(1, f.TelMod3.width), h = std::max(1, f.TelMod3.height);
  QImage& pic = f.TelMod3.picture;
  if (!pic.isNull() && pic.width() == w && pic.height() == h) return;
  QImage grown = FilledImage(w, h, f.canvas3Brush);
  if (!pic.isNull()) {
    QPainter p(&grown);
    p.drawImage(0, 0, pic);
  }
  pic = std::move(grown);
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
  f.Tela3.picture = f.TelMod3.picture.copy();
}

}  // namespace lumora
