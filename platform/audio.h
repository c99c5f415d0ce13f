// The audio behind the platform's music and sound operations: the device
// (SDL2_mixer) in a real run, a recording with a virtual clock headless.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace lumora {

// The operations as the Platform declares them (core/platform.h).
class Audio {
 public:
  virtual ~Audio() = default;
  virtual std::string MusicOpen(const std::string& path) = 0;
  virtual std::string MusicPlay() = 0;
  virtual void MusicVolume(int level) = 0;
  virtual void SoundPlay(const std::string& path, bool wait) = 0;
  virtual int64_t SoundLeftMs() = 0;
  virtual void SoundStop() = 0;
};

// The sound device of this build: SDL2_mixer from its module, or silence where
// the build has no SDL2_mixer or the module cannot be loaded. Called on the
// first request; the device itself opens on first use.
std::unique_ptr<Audio> MakeDeviceAudio();

}  // namespace lumora
