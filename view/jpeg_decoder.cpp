// JPEG decoding through libjpeg, with an error manager that returns instead of
// ending the program. CMYK pictures are converted to RGB.
// jpeglib.h needs size_t and FILE declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include "core/string_list.h"
#include "view/picture_decoders.h"

namespace lumora {
namespace {

// A progressive file may hold any number of scans, each one a pass over the
// whole picture; a few hundred are more than any encoder writes.
constexpr int kMaxScans = 500;

// Everything the libjpeg frames touch. Plain data owned by the caller, so the
// error manager's longjmp never jumps over a C++ destructor.
struct JpegJob {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr err;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
};

void OnJpegError(j_common_ptr cinfo) {
  JpegJob* job = static_cast<JpegJob*>(cinfo->client_data);
  std::longjmp(job->jump, 1);
}

void OnJpegMessage(j_common_ptr) {}  // warnings go nowhere

void OnProgress(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxScans) OnJpegError(cinfo);
}

// Plain functions without C++ objects: libjpeg leaves them through longjmp.
// Each returns false when libjpeg failed.
bool Create(JpegJob* job) {
  if (setjmp(job->jump)) return false;
  jpeg_create_decompress(&job->cinfo);
  return true;
}

bool ReadHeader(JpegJob* job, const unsigned char* data, size_t size) {
  if (setjmp(job->jump)) return false;
  jpeg_mem_src(&job->cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&job->cinfo, TRUE) != JPEG_HEADER_OK) return false;
  const bool cmyk = job->cinfo.jpeg_color_space == JCS_CMYK || job->cinfo.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
  job->cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;  // QRgb in memory: B, G, R, A
#else
  job->cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
  return true;
}

// Decodes into rows of `stride` bytes, at most width by height pixels.
bool ReadScanlines(JpegJob* job, unsigned char* first, size_t stride, JDIMENSION width, JDIMENSION height) {
  if (setjmp(job->jump)) return false;
  jpeg_start_decompress(&job->cinfo);
  if (job->cinfo.output_components != 4 || job->cinfo.output_width != width || job->cinfo.output_height != height)
    return false;
  while (job->cinfo.output_scanline < job->cinfo.output_height) {
    JSAMPROW row = first + stride * job->cinfo.output_scanline;
    if (jpeg_read_scanlines(&job->cinfo, &row, 1) != 1) return false;
  }
  return true;
}

// CMYK as four bytes a pixel, converted in place. Adobe's encoders store the
// inks inverted (255 is no ink) and mark the file so.
void CmykToRgb(QImage& img, bool inverted) {
  for (int y = 0; y < img.height(); ++y) {
    unsigned char* p = img.scanLine(y);
    QRgb* out = reinterpret_cast<QRgb*>(p);
    for (int x = 0; x < img.width(); ++x, p += 4) {
      unsigned c = p[0], m = p[1], ye = p[2], k = p[3];
      if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        ye = 255 - ye;
        k = 255 - k;
      }
      out[x] = qRgb(static_cast<int>(c * k / 255), static_cast<int>(m * k / 255), static_cast<int>(ye * k / 255));
    }
  }
}

}  // namespace

QImage DecodeJpeg(const unsigned char* data, size_t size, const PictureLimits& limits) {
  if (!data || size == 0) return {};
  JpegJob job{};
  job.cinfo.err = jpeg_std_error(&job.err);
  job.err.error_exit = OnJpegError;
  job.err.output_message = OnJpegMessage;
  job.cinfo.client_data = &job;
  if (!Create(&job)) return {};
  job.progress.progress_monitor = OnProgress;
  job.cinfo.progress = &job.progress;
  QImage img;
  if (ReadHeader(&job, data, size) && limits.Allow(job.cinfo.image_width, job.cinfo.image_height)) {
    img = QImage(static_cast<int>(job.cinfo.image_width), static_cast<int>(job.cinfo.image_height),
                 QImage::Format_RGB32);
    if (img.isNull() || !ReadScanlines(&job, img.bits(), static_cast<size_t>(img.bytesPerLine()),
                                       job.cinfo.image_width, job.cinfo.image_height))
      img = QImage();
    else if (job.cinfo.out_color_space == JCS_CMYK)
      CmykToRgb(img, job.cinfo.saw_Adobe_marker);
  }
  // Destroying never fails; trailing data after the last scan line is not read.
  jpeg_destroy_decompress(&job.cinfo);
  return img;
}

QImage DecodeJpegFile(const std::string& path, const PictureLimits& limits) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return {};
  return DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), limits);
}

}  // namespace lumora
