// The sound device of a build without SDL2_mixer: music and sounds are silent,
// a sound played to the end returns at once. Chosen by CMake instead of
// sdl_audio.cpp.
#include "platform/audio.h"

namespace lumora {
namespace {

class SilentAudio : public Audio {
 public:
  std::string MusicOpen(const std::string&) override { return {}; }
  std::string MusicPlay() override { return {}; }
  void MusicVolume(int) override {}
  void SoundPlay(const std::string&, bool) override {}
  void SoundStop() override {}
};

}  // namespace

std::unique_ptr<Audio> MakeDeviceAudio() { return std::make_unique<SilentAudio>(); }

}  // namespace lumora
