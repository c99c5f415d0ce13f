// The recording audio.
#include "platform/recording_audio.h"

#include <fstream>

#include "media/wave_length.h"

namespace lumora {

std::string RecordingAudio::MusicOpen(const std::string& path) {
  requests.push_back("music " + path);
  // Nothing decodes here; a file that cannot even be read is still refused,
  // as the device would refuse it.
  if (!musicError.empty()) return musicError;
  if (files_ == Files::Read && !std::ifstream(path, std::ios::binary)) return "cannot read the file";
  return {};
}

std::string RecordingAudio::MusicPlay() {
  requests.push_back("play");
  return {};
}

void RecordingAudio::MusicVolume(int level) { requests.push_back("volume " + std::to_string(level)); }

void RecordingAudio::SoundPlay(const std::string& path, bool wait) {
  requests.push_back("sound " + path + (wait ? " sync" : " async"));
  if (wait && advance_) advance_(WaveLengthMs(path));
}

void RecordingAudio::SoundStop() { requests.push_back("stop"); }

}  // namespace lumora
