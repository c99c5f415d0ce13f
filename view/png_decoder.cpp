// PNG decoding through libpng: expansion to 8-bit samples, inverted alpha, and the
// blend of every pixel against the new bitmap's initial content.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "core/script_error.h"
#include "view/picture_decoders.h"

namespace lumora {
namespace {

// Everything the libpng frames touch. It is plain data owned by the caller, so
// libpng's longjmp out of an error never jumps over a C++ destructor.
struct PngJob {
  png_structp png;
  png_infop info;
  FILE* file;  // read from the file when set, else from data
  const unsigned char* data;
  size_t size, pos;
  int maxSide;
  int64_t maxPixels;
  png_uint_32 width, height;
  int channels, depth;
  size_t rowBytes;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
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

// The next two are plain functions without C++ objects: libpng leaves them
// through longjmp. Each returns false when libpng failed.

// Creates the structures and reads the header; refuses a picture over the
// limits before anything its size is allocated.
bool ReadHeader(PngJob* job) {
  job->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, job, OnPngError, OnPngWarning);
  if (!job->png) return false;
  job->info = png_create_info_struct(job->png);
  if (!job->info) return false;
  if (setjmp(png_jmpbuf(job->png))) return false;
  if (job->file) png_init_io(job->png, job->file);
  else png_set_read_fn(job->png, job, ReadFromMemory);
  png_set_user_limits(job->png, static_cast<png_uint_32>(job->maxSide), static_cast<png_uint_32>(job->maxSide));
  png_read_info(job->png, job->info);
  RequestTransformations(job->png, job->info);
  png_read_update_info(job->png, job->info);
  job->width = png_get_image_width(job->png, job->info);
  job->height = png_get_image_height(job->png, job->info);
  job->channels = png_get_channels(job->png, job->info);
  job->depth = png_get_bit_depth(job->png, job->info);
  job->rowBytes = png_get_rowbytes(job->png, job->info);
  const int64_t w = job->width, h = job->height;
  return w > 0 && h > 0 && w <= job->maxSide && h <= job->maxSide && w * h <= job->maxPixels &&
         (job->depth == 8 || job->depth == 16) && job->channels >= 1 && job->channels <= 4 &&
         job->rowBytes == static_cast<size_t>(w) * static_cast<size_t>(job->channels * job->depth / 8);
}

// The whole image in one read, into the rows given.
bool ReadImage(PngJob* job, png_bytep* rows) {
  if (setjmp(png_jmpbuf(job->png))) return false;
  png_read_image(job->png, rows);
  return true;
}

// A 16-bit sample, least significant byte first, reduced to 8 bits with rounding.
template <int Bytes>
inline unsigned Sample(const unsigned char* p) {
  if constexpr (Bytes == 1) return p[0];
  else return ((p[0] | (p[1] << 8)) * 255u + 32767u) / 65535u;
}

// The new bitmap's initial content: magenta, the transparent colour, so that what
// the PNG leaves fully transparent stays transparent when the picture is drawn on
// a buffer or used as a skin.
constexpr unsigned kOldR = 255, kOldG = 0, kOldB = 255;

// Inverted alpha A: 0 writes the new colour, 255 keeps the old one, anything in
// between mixes them per channel with integer division.
inline QRgb Blend(unsigned r, unsigned g, unsigned b, unsigned a) {
  if (a == 0) return qRgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
  if (a == 255) return kMagenta;
  const auto mix = [a](unsigned o, unsigned n) { return static_cast<int>((a * o + (255 - a) * n) / 255); };
  return qRgb(mix(kOldR, r), mix(kOldG, g), mix(kOldB, b));
}

// Turns one row of samples into pixels: grey becomes RGB, grey with alpha blends
// like RGB with alpha. The row may lie in the pixels' own memory: going from the
// right, a pixel is written only over samples already read.
template <int Bytes, int Channels>
void ConvertRow(const unsigned char* in, QRgb* out, png_uint_32 width) {
  for (png_uint_32 x = width; x-- > 0;) {
    const unsigned char* p = in + size_t{x} * Bytes * Channels;
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
    out[x] = Blend(r, g, b, a);
  }
}

template <int Bytes>
void ConvertRows(const PngJob& job, png_bytep* rows, QImage& img) {
  for (png_uint_32 y = 0; y < job.height; ++y) {
    QRgb* out = reinterpret_cast<QRgb*>(img.scanLine(static_cast<int>(y)));
    switch (job.channels) {
      case 1: ConvertRow<Bytes, 1>(rows[y], out, job.width); break;
      case 2: ConvertRow<Bytes, 2>(rows[y], out, job.width); break;
      case 3: ConvertRow<Bytes, 3>(rows[y], out, job.width); break;
      default: ConvertRow<Bytes, 4>(rows[y], out, job.width); break;
    }
  }
}

// Decodes after the header was read. Samples of up to four bytes a pixel are read
// straight into the bitmap's rows and converted in place; 16-bit ones need rows
// of their own.
QImage DecodeRows(PngJob& job) {
  QImage img(static_cast<int>(job.width), static_cast<int>(job.height), QImage::Format_RGB32);
  if (img.isNull()) return {};
  std::vector<png_bytep> rows(job.height);
  std::unique_ptr<unsigned char[]> wide;
  const bool inPlace = job.rowBytes <= static_cast<size_t>(img.bytesPerLine());
  if (!inPlace) wide.reset(new (std::nothrow) unsigned char[job.rowBytes * job.height]);
  if (!inPlace && !wide) return {};
  for (png_uint_32 y = 0; y < job.height; ++y)
    rows[y] = inPlace ? img.scanLine(static_cast<int>(y)) : wide.get() + job.rowBytes * y;
  if (!ReadImage(&job, rows.data())) return {};
  if (job.depth == 16) ConvertRows<2>(job, rows.data(), img);
  else ConvertRows<1>(job, rows.data(), img);
  return img;
}

QImage Decode(PngJob& job, const PictureLimits& limits) {
  job.maxSide = limits.maxSide;
  job.maxPixels = limits.maxPixels;
  QImage img;
  if (ReadHeader(&job)) img = DecodeRows(job);
  if (job.png) png_destroy_read_struct(&job.png, job.info ? &job.info : nullptr, nullptr);
  if (img.isNull()) throw ScriptError("Error Reading File!");
  return img;
}

}  // namespace

QImage DecodePng(const unsigned char* data, size_t size, const PictureLimits& limits) {
  PngJob job{};
  job.data = data;
  job.size = size;
  return Decode(job, limits);
}

QImage DecodePngFile(const std::string& path, const std::string& shownPath, const PictureLimits& limits) {
  PngJob job{};
  job.file = std::fopen(path.c_str(), "rb");
  if (!job.file) throw ScriptError("Error Opening File " + shownPath + "!");
  // The file is closed whichever way decoding ends.
  struct Closer {
    FILE* file;
    ~Closer() { std::fclose(file); }
  } closer{job.file};
  return Decode(job, limits);
}

}  // namespace lumora
