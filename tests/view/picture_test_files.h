// Small pictures written for the picture tests: PNG, BMP and JPEG through Qt,
// grey-with-alpha PNG through libpng, GIF through giflib.
#pragma once
#include <gif_lib.h>
#include <png.h>

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "view/picture_decoders.h"

namespace lumora::testing {

// A picture of w by h pixels, each given as 0xAARRGGBB, row by row.
inline QImage Picture(int w, int h, const std::vector<QRgb>& pixels) {
  QImage img(w, h, QImage::Format_ARGB32);
  for (int i = 0; i < w * h; ++i) img.setPixel(i % w, i / w, pixels[static_cast<size_t>(i)]);
  return img;
}

// A picture of one colour.
inline QImage Plain(int w, int h, QRgb colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  return img;
}

// Saves with Qt's writer in the format its extension names ("PNG", "BMP", "JPG").
inline bool Save(const QImage& img, const std::string& path, const char* format) {
  return img.save(QString::fromStdString(path), format, 100);
}

// An 8-bit grey-with-alpha PNG: (grey, alpha) pairs, row by row.
inline bool SaveGreyAlphaPng(const std::string& path, int w, int h, const std::vector<uint8_t>& samples) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = PNG_FORMAT_GA;
  return png_image_write_to_file(&image, path.c_str(), 0, samples.data(), 0, nullptr) != 0;
}

// A GIF of one image: a palette of 2, 4, ... 256 colours, one index a pixel, an
// optional transparent index, stored interlaced on request.
inline bool SaveGif(const std::string& path, int w, int h, const std::vector<QRgb>& palette,
                    const std::vector<uint8_t>& indices, int transparent = -1, bool interlaced = false) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) return false;
  std::vector<GifColorType> colours;
  for (QRgb c : palette)
    colours.push_back({static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                       static_cast<GifByteType>(qBlue(c))});
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  bool ok = map && EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
  if (ok && transparent >= 0) {
    EGifSetGifVersion(gif, true);
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = transparent;
    GifByteType block[4];
    const size_t n = EGifGCBToExtension(&gcb, block);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), block) == GIF_OK;
  }
  ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, interlaced, nullptr) == GIF_OK;
  std::vector<int> order;
  if (interlaced) {
    const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int y = start[pass]; y < h; y += step[pass]) order.push_back(y);
  } else {
    for (int y = 0; y < h; ++y) order.push_back(y);
  }
  std::vector<GifPixelType> row(static_cast<size_t>(w));
  for (int y : order) {
    for (int x = 0; x < w; ++x) row[static_cast<size_t>(x)] = indices[static_cast<size_t>(y * w + x)];
    ok = ok && EGifPutLine(gif, row.data(), w) == GIF_OK;
  }
  GifFreeMapObject(map);
  return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

// The pixels of a picture as 0xRRGGBB, row by row, for comparing with a table.
inline std::vector<QRgb> Pixels(const QImage& img) {
  std::vector<QRgb> out;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) out.push_back(img.pixel(x, y) & 0xFFFFFFu);
  return out;
}

}  // namespace lumora::testing
