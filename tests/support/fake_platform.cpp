// The recording test platform.
#include "support/fake_platform.h"

#include <algorithm>

#include "core/paths.h"
#include "media/wave_length.h"

namespace lumora::testing {

void FakePlatform::ProcessMessages(PlayerInput input) {
  ++processCount;
  if (input == PlayerInput::Delivered && oncePlayer_) {
    auto fn = std::move(oncePlayer_);
    oncePlayer_ = nullptr;
    fn();
  }
  if (once_) {
    auto fn = std::move(once_);
    once_ = nullptr;
    fn();
  }
  if (onProcessMessages) {
    auto fn = onProcessMessages;  // the hook may replace itself
    fn();
  }
}

bool FakePlatform::CanWriteFolder(const std::string& folder) {
  return std::find(readOnlyFolders.begin(), readOnlyFolders.end(), folder) == readOnlyFolders.end() &&
         FolderWritable(folder);
}

std::string FakePlatform::MusicOpen(const std::string& path) {
  audio.push_back("music " + path);
  return musicError;
}

std::string FakePlatform::MusicPlay() {
  audio.push_back("play");
  return {};
}

void FakePlatform::MusicVolume(int level) { audio.push_back("volume " + std::to_string(level)); }

void FakePlatform::SoundPlay(const std::string& path, bool wait) {
  audio.push_back("sound " + path + (wait ? " sync" : " async"));
  soundEnd = clock + WaveLengthMs(path);
}

void FakePlatform::SoundStop() {
  audio.push_back("stop");
  soundEnd = clock;
}

void FakePlatform::OnceDuringProcessMessages(std::function<void()> fn) { once_ = std::move(fn); }
void FakePlatform::OnceWhenPlayerActs(std::function<void()> fn) { oncePlayer_ = std::move(fn); }

}  // namespace lumora::testing
