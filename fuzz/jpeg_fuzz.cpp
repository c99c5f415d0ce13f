// Fuzz target: the JPEG decoder; a refusal is a null picture.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QImage img = lumora::DecodeJpeg(data, size, lumora::kFuzzLimits);
  if (!img.isNull() && img.format() != QImage::Format_RGB32) __builtin_trap();
  return 0;
}
