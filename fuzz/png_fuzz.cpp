// Fuzz target: the PNG decoder; a refusal is the script error it raises.
#include <cstddef>
#include <cstdint>

#include "core/script_error.h"
#include "fuzz/fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const QImage img = lumora::DecodePng(data, size, lumora::kFuzzLimits);
    if (img.format() != QImage::Format_RGB32) __builtin_trap();
  } catch (const lumora::ScriptError&) {
  }
  return 0;
}
