// The audio of headless runs: records every request and plays nothing; a
// sound lasts its length on the virtual clock, so a script waiting for one
// moves the clock by that much.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>
#include <functional>
#include <string>

#include "platform/audio.h"

namespace lumora {

class RecordingAudio : public Audio {
 public:
  // Whether music files are read: a headless run refuses a file that cannot
  // even be read or a WAVE header that cannot be played, as the device would;
  // the unit tests name files that need not exist and set the answer
  // themselves (musicError).
  enum class Files { Read, NotRead };
  // `now` reads the virtual clock.
  explicit RecordingAudio(std::function<int64_t()> now, Files files = Files::Read)
      : now_(std::move(now)), files_(files) {}

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
  std::vector<std::string> requests;
  // When not empty, every music is refused with this text.
  std::string musicError;

 private:
  void Record(std::string request);
  std::function<int64_t()> now_;
  Files files_;
  int64_t soundEnd_ = 0;  // when the sound played last ends, on the virtual clock
};

}  // namespace lumora
