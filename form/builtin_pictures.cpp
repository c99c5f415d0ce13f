// The built-in pictures, drawn rather than shipped so the player has no data files.
#include "form/builtin_pictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace lumora {

QImage BuiltinOpening() {
  QImage img(900, 420, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, 0, 420);
  g.setColorAt(0, QColor(16, 24, 48));
  g.setColorAt(1, QColor(60, 30, 70));
  p.fillRect(img.rect(), g);
  p.setPen(QColor(240, 220, 160));
  QFont title("Liberation Serif");
  title.setPixelSize(72);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(0, 110, 900, 110), Qt::AlignCenter, "Lumora");
  QFont hint("Liberation Sans");
  hint.setPixelSize(20);
  p.setFont(hint);
  p.setPen(QColor(200, 200, 220));
  p.drawText(QRect(0, 260, 900, 40), Qt::AlignCenter, QString::fromUtf8("Clique para começar · duplo clique para continuar"));
  return img;
}

QImage BuiltinSkin() {
  QImage img(900, 420, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, 900, 420);
  g.setColorAt(0, QColor(70, 80, 96));
  g.setColorAt(1, QColor(40, 44, 56));
  p.fillRect(img.rect(), g);
  return img;
}

QImage BuiltinMarker() {
  QImage img(29, 46, QImage::Format_RGB32);
  img.fill(QColor(255, 0, 255));  // magenta is the transparent colour
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(QColor(220, 30, 30));
  p.setPen(Qt::black);
  p.drawEllipse(QRect(4, 2, 20, 20));
  p.drawPolygon(QPolygon({QPoint(6, 18), QPoint(22, 18), QPoint(14, 44)}));
  return img;
}

}  // namespace lumora
