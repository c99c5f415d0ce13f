// The picture decoders: PNG (libpng), JPEG (libjpeg), GIF (giflib), BMP (Qt's reader).
#pragma once
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <string>

#include "form/components.h"

namespace lumora {

// Magenta is the transparent colour: left out when a picture is drawn on the
// buffers, cut out of the window shape.
constexpr QRgb kMagenta = 0xFFFF00FF;

// Pictures larger than this are refused before anything the size of the picture
// is allocated, so a header claiming 100,000 by 100,000 pixels cannot exhaust
// memory. A side of 16,384 pixels, and 64 Mi pixels in all (256 MB as a bitmap,
// Qt's own allocation limit, the largest surface's), are far beyond any game
// picture.
struct PictureLimits {
  int maxSide = 16384;
  int64_t maxPixels = kMaxSurfacePixels;
  bool Allow(int64_t width, int64_t height) const {
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide && width * height <= maxPixels;
  }
};

// Every decoded picture is Format_RGB32 (24-bit colour, the alpha byte 0xFF).

// PNG: transparency is resolved at decoding time against the new bitmap's initial
// content, which is magenta, so fully transparent areas stay transparent on the
// buffers and in a skin. Raises ScriptError "Error Reading File!" on any failure.
QImage DecodePng(const unsigned char* data, size_t size, const PictureLimits& limits = {});
// Reads the file first: one it cannot open raises "Error Opening File " + shownPath + "!".
QImage DecodePngFile(const std::string& path, const std::string& shownPath, const PictureLimits& limits = {});

// JPEG, GIF (first image only; the transparent index becomes magenta) and BMP:
// a null image on any failure.
QImage DecodeJpeg(const unsigned char* data, size_t size, const PictureLimits& limits = {});
QImage DecodeJpegFile(const std::string& path, const PictureLimits& limits = {});
QImage DecodeGif(const unsigned char* data, size_t size, const PictureLimits& limits = {});
QImage DecodeGifFile(const std::string& path, const PictureLimits& limits = {});
QImage DecodeBmp(const unsigned char* data, size_t size, const PictureLimits& limits = {});
QImage DecodeBmpFile(const std::string& path, const PictureLimits& limits = {});

}  // namespace lumora
