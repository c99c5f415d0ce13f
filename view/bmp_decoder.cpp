// BMP decoding through Qt's reader, its claimed size checked before reading.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

#include "view/picture_decoders.h"

namespace lumora {
namespace {

QImage ReadBmp(QImageReader& reader, const PictureLimits& limits) {
  reader.setAutoDetectImageFormat(false);
  reader.setAllocationLimit(static_cast<int>(std::min<int64_t>(limits.maxPixels * 4 >> 20, 1 << 30)));
  // A top-down bitmap reports a negative height; (-1, -1) is a size not known
  // before reading, left to the reader's allocation limit.
  const QSize claimed = reader.size();
  if (claimed != QSize(-1, -1) && !limits.Allow(claimed.width(), std::abs(int64_t{claimed.height()}))) return {};
  QImage img = reader.read();
  if (img.isNull()) return {};
  // The alpha of a 32-bit bitmap is not used: each pixel keeps its colour as stored.
  img = img.convertToFormat(img.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (img.format() == QImage::Format_ARGB32) {
    for (int y = 0; y < img.height(); ++y) {
      QRgb* p = reinterpret_cast<QRgb*>(img.scanLine(y));
      for (int x = 0; x < img.width(); ++x) p[x] |= 0xFF000000u;
    }
    img.reinterpretAsFormat(QImage::Format_RGB32);
  }
  return img;
}

}  // namespace

QImage DecodeBmp(const unsigned char* data, size_t size, const PictureLimits& limits) {
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  return ReadBmp(reader, limits);
}

QImage DecodeBmpFile(const std::string& path, const PictureLimits& limits) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};  // a missing file is no news
  QImageReader reader(&file, "bmp");
  return ReadBmp(reader, limits);
}

}  // namespace lumora
