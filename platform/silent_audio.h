// Audio that plays nothing: a build without SDL2_mixer, or a player whose
// sound module cannot be loaded.
#pragma once
#include <memory>

#include "platform/audio.h"

namespace lumora {

std::unique_ptr<Audio> MakeSilentAudio();

}  // namespace lumora
