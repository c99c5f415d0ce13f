// The audio of headless runs: records every request and plays nothing; a
// synchronous sound costs its length on the virtual clock.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace lumora {

class RecordingAudio : public Audio {
 public:
  // Whether music files are read: a headless run refuses a file that cannot
  // even be read, as the device would; the unit tests name files that need
  // not exist and set the answer themselves (musicError).
  enum class Files { Read, NotRead };
  // `advance` moves the virtual clock by the milliseconds a sound lasts.
  explicit RecordingAudio(std::function<void(int64_t)> advance, Files files = Files::Read)
      : advance_(std::move(advance)), files_(files) {}

  std::string MusicOpen(const std::string& path) override;
  std::string MusicPlay() override;
  void MusicVolume(int level) override;
  void SoundPlay(const std::string& path, bool wait) override;
  void SoundStop() override;

  // One line per request: "music PATH", "play", "volume N", "sound PATH async",
  // "sound PATH sync", "stop".
  std::vector<std::string> requests;
  // When not empty, every music is refused with this text.
  std::string musicError;

 private:
  std::function<void(int64_t)> advance_;
  Files files_;
};

}  // namespace lumora
