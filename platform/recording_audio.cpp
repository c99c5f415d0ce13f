// The recording audio.
#include "platform/recording_audio.h"

#include <algorithm>
#include <fstream>

#include "media/wave_length.h"

namespace lumora {

void RecordingAudio::Record(std::string request) {
  if (requests.size() == kKeptRequests) requests.erase(requests.begin());
  requests.push_back(std::move(request));
}

std::string RecordingAudio::MusicOpen(const std::string& path) {
  Record("music " + path);
  // Nothing decodes here; a file that cannot even be read, or a WAVE header
  // that cannot be played, is still refused, as the device would refuse it.
  if (!musicError.empty()) return musicError;
  if (files_ == Files::NotRead) return {};
  if (!std::ifstream(path, std::ios::binary)) return "cannot read the file";
  return WaveHeaderProblem(path);
}

std::string RecordingAudio::MusicPlay() {
  Record("play");
  return {};
}

void RecordingAudio::MusicVolume(int level) { Record("volume " + std::to_string(level)); }

void RecordingAudio::SoundPlay(const std::string& path, bool wait) {
  Record("sound " + path + (wait ? " sync" : " async"));
  // A sound that cannot be played lasts nothing: no script waits for it.
  soundEnd_ = (now_ ? now_() : 0) + WaveLengthMs(path);
}

int64_t RecordingAudio::SoundLeftMs() { return std::max<int64_t>(0, soundEnd_ - (now_ ? now_() : 0)); }

void RecordingAudio::SoundStop() {
  Record("stop");
  soundEnd_ = 0;
}

}  // namespace lumora
