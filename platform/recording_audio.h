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
  // `advance` moves the virtual clock by the milliseconds a sound lasts.
  explicit RecordingAudio(std::function<void(int64_t)> advance) : advance_(std::move(advance)) {}

  std::string MusicOpen(const std::string& path) override;
  std::string MusicPlay() override;
  void MusicVolume(int level) override;
  void SoundPlay(const std::string& path, bool wait) override;
  void SoundStop() override;

  // One line per request: "music PATH", "play", "volume N", "sound PATH async",
  // "sound PATH sync", "stop".
  std::vector<std::string> requests;

 private:
  std::function<void(int64_t)> advance_;
};

}  // namespace lumora
