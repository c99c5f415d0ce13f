// GIF decoding through giflib: the first image only, drawn on a picture of the
// logical screen's size; its transparent index and the uncovered area are magenta.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/string_list.h"
#include "view/picture_decoders.h"

namespace lumora {
namespace {

struct GifSource {
  const unsigned char* data;
  size_t size;
  size_t pos;
};

int ReadFromSource(GifFileType* gif, GifByteType* out, int count) {
  auto* src = static_cast<GifSource*>(gif->UserData);
  const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), src->size - src->pos);
  std::memcpy(out, src->data + src->pos, n);
  src->pos += n;
  return static_cast<int>(n);
}

// The colours of the first image: its own table, else the global one. An index
// past the end of the table (or with no table at all) is black; the transparent
// index is magenta whatever the table holds.
std::vector<QRgb> Palette(const GifFileType* gif, int transparent) {
  std::vector<QRgb> colours(256, qRgb(0, 0, 0));
  const ColorMapObject* map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
  if (map && map->Colors) {
    const int count = std::clamp(map->ColorCount, 0, 256);
    for (int i = 0; i < count; ++i)
      colours[static_cast<size_t>(i)] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
  }
  if (transparent >= 0 && transparent < 256) colours[static_cast<size_t>(transparent)] = kMagenta;
  return colours;
}

// Skips an extension, noting the transparent index of a graphic control block.
bool ReadExtension(GifFileType* gif, int& transparent) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
    GraphicsControlBlock gcb{};
    if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK) transparent = gcb.TransparentColor;
  }
  while (block)
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  return true;
}

// Reads the rows of the current image (interlaced ones in their four passes) and
// draws the part inside the picture.
bool ReadImage(GifFileType* gif, const std::vector<QRgb>& colours, QImage& img) {
  const GifImageDesc& d = gif->Image;
  std::vector<GifPixelType> line(static_cast<size_t>(d.Width));
  auto drawRow = [&](int row) {
    const int y = d.Top + row;
    if (y < 0 || y >= img.height()) return;
    QRgb* out = reinterpret_cast<QRgb*>(img.scanLine(y));
    const int from = std::max(0, -d.Left), to = std::min(d.Width, img.width() - d.Left);
    for (int x = from; x < to; ++x) out[d.Left + x] = colours[line[static_cast<size_t>(x)]];
  };
  static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < (d.Interlace ? 4 : 1); ++pass) {
    const int start = d.Interlace ? kStart[pass] : 0, step = d.Interlace ? kStep[pass] : 1;
    for (int row = start; row < d.Height; row += step) {
      if (DGifGetLine(gif, line.data(), d.Width) == GIF_ERROR) return false;
      drawRow(row);
    }
  }
  return true;
}

QImage ReadFirstImage(GifFileType* gif, const PictureLimits& limits) {
  int transparent = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &type) == GIF_ERROR) return {};
    if (type == EXTENSION_RECORD_TYPE) {
      if (!ReadExtension(gif, transparent)) return {};
    } else if (type == IMAGE_DESC_RECORD_TYPE) {
      break;
    } else {
      return {};  // the file ends without an image
    }
  }
  if (DGifGetImageDesc(gif) == GIF_ERROR) return {};
  const GifImageDesc& d = gif->Image;
  if (!limits.Allow(d.Width, d.Height)) return {};
  // The picture is the logical screen; a file that gives none gets the image's size.
  const int width = gif->SWidth > 0 ? gif->SWidth : d.Left + d.Width;
  const int height = gif->SHeight > 0 ? gif->SHeight : d.Top + d.Height;
  if (!limits.Allow(width, height)) return {};
  QImage img(width, height, QImage::Format_RGB32);
  if (img.isNull()) return {};
  img.fill(kMagenta);
  if (!ReadImage(gif, Palette(gif, transparent), img)) return {};
  return img;
}

}  // namespace

QImage DecodeGif(const unsigned char* data, size_t size, const PictureLimits& limits) {
  GifSource src{data, size, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&src, ReadFromSource, &error);
  if (!gif) return {};
  QImage img = ReadFirstImage(gif, limits);
  DGifCloseFile(gif, &error);
  return img;
}

QImage DecodeGifFile(const std::string& path, const PictureLimits& limits) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return {};
  return DecodeGif(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), limits);
}

}  // namespace lumora
