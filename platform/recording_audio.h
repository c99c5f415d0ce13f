// The audio of headless runs: records every request and plays nothing; a
// sound lasts its length on the virtual clock, so a script waiting for one
// moves the clock by that much.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "platform/audio.h"

namespace lumora {

class RecordingAudio : public Audio {
 public:
  // `now` reads the virtual clock.
  explicit RecordingAudio(std::function<int64_t()> now) : now_(std::move(now)) {}

  std::string MusicOpen(const std::string& path) override;
  std::string MusicPlay() override;
  void MusicVolume(int level) override;
  void SoundPlay(const std::string& path, bool wait) override;
  int64_t SoundLeftMs() override;
  void SoundStop() override;

  // One line per request: "music PATH", "play", "volume N", "sound PATH async",
  // "sound PATH sync", "stop"; the latest kKeptRequests of them. A walkthrough
  // clicks a key sound at every letter typed: kept whole, they were most of
  // what a long headless run grew by (about half a megabyte a thousand actions).
  static constexpr size_t kKeptRequests = 256;
  std::deque<std::string> requests;

 private:
  void Record(std::string request);
  std::function<int64_t()> now_;
  int64_t soundEnd_ = 0;  // when the sound played last ends, on the virtual clock
};

}  // namespace lumora
