// Silent audio: music and sounds are accepted and not heard; a sound played to
// the end returns at once.
#include "platform/silent_audio.h"

namespace lumora {
namespace {

class SilentAudio : public Audio {
 public:
  std::string MusicOpen(const std::string&) override { return {}; }
  std::string MusicPlay() override { return {}; }
  void MusicVolume(int) override {}
  void SoundPlay(const std::string&, bool) override {}
  int64_t SoundLeftMs() override { return 0; }
  void SoundStop() override {}
};

}  // namespace

std::unique_ptr<Audio> MakeSilentAudio() { return std::make_unique<SilentAudio>(); }

}  // namespace lumora
