// The sound device of a build without SDL2_mixer: silence. Chosen by CMake
// instead of audio_module.cpp.
#include "platform/silent_audio.h"

namespace lumora {

std::unique_ptr<Audio> MakeDeviceAudio() { return MakeSilentAudio(); }

}  // namespace lumora
