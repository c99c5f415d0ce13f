// A WAV file's header: the playing time it gives, and whether it can be played.
#pragma once
#include <cstdint>
#include <string>

namespace lumora {

// Milliseconds the samples of the "data" chunk last at the "fmt " chunk's byte
// rate, rounded up; 0 when the file is missing or is not a WAV file we can read
// or play (a header WaveHeaderProblem names).
int64_t WaveLengthMs(const std::string& path);

// What in a RIFF/WAVE file's "fmt " chunk keeps it from being played: no
// channels, no sample rate, no bits per sample, a block alignment too small for
// one frame, a chunk cut short. "" for a sound header, and for a file that is no
// RIFF/WAVE file or has no "fmt " chunk before its samples (its decoder judges
// those, and refuses them cleanly). Checked before the audio library sees the
// file: SDL_mixer's music loader divides by the frame size, and a file of 0
// channels ended the program.
std::string WaveHeaderProblem(const std::string& path);

}  // namespace lumora
