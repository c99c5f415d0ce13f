// PNG decoding through libpng: expansion to 8-bit samples, inverted alpha, and the
// blend of every pixel against the new bitmap's initial content.
#include <png.h>

#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include "core/script_error.h"
#include "core/string_list.h"
#include "view/picture_decoders.h"

namespace lumora {
namespace {

// Everything the libpng frame touches. It is plain data owned by the caller, so
// libpng's longjmp out of an error never jumps over a C++ destructor.
struct PngJob {
  const unsigned char* data;
  size_t size;
  size_t pos;
  int maxSide;
  int64_t maxPixels;
  unsigned char* pixels;  // malloc'd, freed by the caller
  png_bytep* rows;        // malloc'd, freed by the caller
  png_uint_32 width, height;
  int channels, depth;
  size_t rowBytes;
};

void ReadFromJob(png_structp png, png_bytep out, size_t count) {
  PngJob* job = static_cast<PngJob*>(png_get_io_ptr(png));
  if (count > job->size - job->pos) png_error(png, "unexpected end of file");
  std::memcpy(out, job->data + job->pos, count);
  job->pos += count;
}

void OnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnPngWarning(png_structp, png_const_charp) {}

// Requests the transformations: inverted alpha (0 opaque, 255 transparent);
// palettes, low-depth grey and transparency chunks expanded; depths below 8
// unpacked; the bytes of 16-bit samples swapped (least significant first).
void RequestTransformations(png_structp png, png_infop info) {
  const int colourType = png_get_color_type(png, info);
  const int depth = png_get_bit_depth(png, info);
  png_set_invert_alpha(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE && depth <= 8) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (depth < 8) png_set_packing(png);
  if (depth == 16) png_set_swap(png);
  png_set_interlace_handling(png);
}

// A plain function without C++ objects: libpng leaves it through longjmp.
// Returns false on any failure; job->pixels and job->rows are the caller's to free.
bool ReadWholeImage(PngJob* job) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, job, OnPngError, OnPngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, job, ReadFromJob);
  png_set_user_limits(png, static_cast<png_uint_32>(job->maxSide), static_cast<png_uint_32>(job->maxSide));
  png_read_info(png, info);
  RequestTransformations(png, info);
  png_read_update_info(png, info);
  job->width = png_get_image_width(png, info);
  job->height = png_get_image_height(png, info);
  job->channels = png_get_channels(png, info);
  job->depth = png_get_bit_depth(png, info);
  job->rowBytes = png_get_rowbytes(png, info);
  const int64_t w = job->width, h = job->height;
  if (w <= 0 || h <= 0 || w > job->maxSide || h > job->maxSide || w * h > job->maxPixels ||
      (job->depth != 8 && job->depth != 16) || job->channels < 1 || job->channels > 4 ||
      job->rowBytes != static_cast<size_t>(w) * static_cast<size_t>(job->channels * job->depth / 8))
    png_error(png, "unsupported picture");
  job->pixels = static_cast<unsigned char*>(std::malloc(job->rowBytes * job->height));
  job->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * job->height));
  if (!job->pixels || !job->rows) png_error(png, "out of memory");
  for (png_uint_32 y = 0; y < job->height; ++y) job->rows[y] = job->pixels + job->rowBytes * y;
  png_read_image(png, job->rows);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

// A 16-bit sample, least significant byte first, reduced to 8 bits with rounding.
template <int Bytes>
inline unsigned Sample(const unsigned char* p) {
  if constexpr (Bytes == 1) return p[0];
  else return ((p[0] | (p[1] << 8)) * 255u + 32767u) / 65535u;
}

// Inverted alpha A: 0 writes the new colour, 255 keeps the old one, anything in
// between mixes them per channel with integer division.
inline QRgb Blend(QRgb old, unsigned r, unsigned g, unsigned b, unsigned a) {
  if (a == 0) return qRgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
  if (a == 255) return old;
  const auto mix = [a](unsigned o, unsigned n) { return static_cast<int>((a * o + (255 - a) * n) / 255); };
  return qRgb(mix(static_cast<unsigned>(qRed(old)), r), mix(static_cast<unsigned>(qGreen(old)), g),
              mix(static_cast<unsigned>(qBlue(old)), b));
}

// Draws the decoded samples into the bitmap: grey becomes RGB, grey with alpha
// blends like RGB with alpha.
template <int Bytes, int Channels>
void DrawRows(const PngJob& job, QImage& img) {
  for (png_uint_32 y = 0; y < job.height; ++y) {
    const unsigned char* p = job.rows[y];
    QRgb* out = reinterpret_cast<QRgb*>(img.scanLine(static_cast<int>(y)));
    for (png_uint_32 x = 0; x < job.width; ++x, p += Bytes * Channels) {
      unsigned r, g, b, a = 0;
      if constexpr (Channels <= 2) {
        r = g = b = Sample<Bytes>(p);
        if constexpr (Channels == 2) a = Sample<Bytes>(p + Bytes);
      } else {
        r = Sample<Bytes>(p);
        g = Sample<Bytes>(p + Bytes);
        b = Sample<Bytes>(p + 2 * Bytes);
        if constexpr (Channels == 4) a = Sample<Bytes>(p + 3 * Bytes);
      }
      out[x] = Blend(out[x], r, g, b, a);
    }
  }
}

template <int Bytes>
void DrawRowsOfDepth(const PngJob& job, QImage& img) {
  switch (job.channels) {
    case 1: DrawRows<Bytes, 1>(job, img); break;
    case 2: DrawRows<Bytes, 2>(job, img); break;
    case 3: DrawRows<Bytes, 3>(job, img); break;
    default: DrawRows<Bytes, 4>(job, img); break;
  }
}

}  // namespace

QImage DecodePng(const unsigned char* data, size_t size, const PictureLimits& limits) {
  PngJob job{};
  job.data = data;
  job.size = size;
  job.maxSide = limits.maxSide;
  job.maxPixels = limits.maxPixels;
  const bool ok = ReadWholeImage(&job);
  QImage img;
  if (ok) {
    img = QImage(static_cast<int>(job.width), static_cast<int>(job.height), QImage::Format_RGB32);
    if (!img.isNull()) {
      // The new bitmap starts magenta, the transparent colour: what the PNG leaves
      // fully transparent stays transparent when the picture is drawn on a buffer.
      img.fill(kMagenta);
      if (job.depth == 16) DrawRowsOfDepth<2>(job, img);
      else DrawRowsOfDepth<1>(job, img);
    }
  }
  std::free(job.rows);
  std::free(job.pixels);
  if (img.isNull()) throw ScriptError("Error Reading File!");
  return img;
}

QImage DecodePngFile(const std::string& path, const std::string& shownPath, const PictureLimits& limits) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) throw ScriptError("Error Opening File " + shownPath + "!");
  return DecodePng(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), limits);
}

}  // namespace lumora
