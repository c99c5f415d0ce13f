// The playing time of a WAV file, read from its header.
#pragma once
#include <cstdint>
#include <string>

namespace lumora {

// Milliseconds the samples of the "data" chunk last at the "fmt " chunk's byte
// rate, rounded up; 0 when the file is missing or is not a WAV file we can read.
int64_t WaveLengthMs(const std::string& path);

}  // namespace lumora
