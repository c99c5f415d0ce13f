// Music and sounds through SDL2_mixer.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "platform/audio.h"

struct _Mix_Music;
struct Mix_Chunk;

namespace lumora {

// A volume level of 0 to 1000 (the scale the games were written for) on
// SDL2_mixer's 0 to 128, clamped.
int MixerVolume(int level);

// The device is opened, and the sound font set, on the first request: a game
// that never plays anything never pays for them. Without a usable sound device
// SDL's dummy driver takes the sound, so the game plays on silently.
class SdlAudio : public Audio {
 public:
  ~SdlAudio() override;
  std::string MusicOpen(const std::string& path) override;
  std::string MusicPlay() override;
  void MusicVolume(int level) override;
  void SoundPlay(const std::string& path, bool wait) override;
  int64_t SoundLeftMs() override;
  void SoundStop() override;

 private:
  bool Open();
  Mix_Chunk* Chunk(const std::string& path);

  bool tried_ = false, open_ = false;
  _Mix_Music* music_ = nullptr;
  // The sound played last and when, at its length, it ends (SDL's ticks).
  const Mix_Chunk* played_ = nullptr;
  uint64_t playedEnd_ = 0;
  // Decoded sounds by path: a key click is played at every key press, and
  // reading its file each time would put the disk between key and click.
  std::map<std::string, Mix_Chunk*> chunks_;
};

}  // namespace lumora
