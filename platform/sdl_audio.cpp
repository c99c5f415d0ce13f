// Music and sounds through SDL2_mixer: MIDI through FluidSynth with the
// system's General MIDI sound font, WAV, OGG and MP3 by their decoders.
#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/stat.h>

#include <algorithm>

#include "media/wave_length.h"

namespace lumora {
namespace {

// Sounds play on this channel alone: a new sound cuts the one playing, as the
// system's wave-sound call did.
constexpr int kSoundChannel = 0;
// 512 frames at 44.1 kHz is 12 ms of buffer: a key click starts well within
// the time a player notices.
constexpr int kFrequency = 44100, kChunkFrames = 512;
constexpr size_t kCachedChunks = 16;

bool IsFile(const char* path) {
  struct stat st {};
  return ::stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

// FluidSynth takes its sound fonts from SDL_SOUNDFONTS; without it, the General
// MIDI font Debian's alternatives name, else TimGM6mb's own file.
void ChooseSoundFont() {
  if (SDL_getenv("SDL_SOUNDFONTS")) return;
  for (const char* font : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"}) {
    if (IsFile(font)) {
      Mix_SetSoundFonts(font);
      return;
    }
  }
}

bool OpenMixer() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kChunkFrames) == 0) return true;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return false;
}

}  // namespace

int MixerVolume(int level) {
  const int clamped = std::clamp(level, 0, 1000);
  return (clamped * MIX_MAX_VOLUME + 500) / 1000;
}

SdlAudio::~SdlAudio() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  for (auto& [path, chunk] : chunks_) Mix_FreeChunk(chunk);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::Open() {
  if (tried_) return open_;
  tried_ = true;
  open_ = OpenMixer();
  if (!open_) {
    // No sound device (a server, a container): the dummy driver consumes the
    // sound in real time, so synchronous sounds still last their length.
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    open_ = OpenMixer();
  }
  if (open_) ChooseSoundFont();
  return open_;
}

std::string SdlAudio::MusicOpen(const std::string& path) {
  // Not even the dummy driver: the game plays on in silence, without an error.
  if (!Open()) return {};
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  music_ = nullptr;
  // SDL_mixer's WAVE music divides by the frame size: a header of 0 channels
  // ended the program. Such a file is refused before the loader sees it.
  if (std::string problem = WaveHeaderProblem(path); !problem.empty()) return problem;
  // The content decides the decoder, not the name: a text file named .mid
  // would otherwise pass for MIDI and play nothing, where it is to be refused.
  music_ = Mix_LoadMUS_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
  if (!music_) return Mix_GetError();
  // A newly opened music plays at full volume, as a newly opened device did.
  Mix_VolumeMusic(MIX_MAX_VOLUME);
  return {};
}

std::string SdlAudio::MusicPlay() {
  if (!music_) return {};  // no device, nothing to play
  if (Mix_PlayMusic(music_, 1) != 0) return Mix_GetError();
  return {};
}

void SdlAudio::MusicVolume(int level) {
  if (music_) Mix_VolumeMusic(MixerVolume(level));
}

Mix_Chunk* SdlAudio::Chunk(const std::string& path) {
  if (auto it = chunks_.find(path); it != chunks_.end()) return it->second;
  // SDL's own WAVE loader refuses what the music loader could not take; the
  // same check keeps one rule for both.
  if (!WaveHeaderProblem(path).empty()) return nullptr;
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (!chunk) return nullptr;
  if (chunks_.size() >= kCachedChunks) {
    // Forget all but the sound that plays: a game's few clicks come back at once.
    const Mix_Chunk* playing = Mix_Playing(kSoundChannel) ? Mix_GetChunk(kSoundChannel) : nullptr;
    for (auto it = chunks_.begin(); it != chunks_.end();) {
      if (it->second == playing) {
        ++it;
        continue;
      }
      Mix_FreeChunk(it->second);
      it = chunks_.erase(it);
    }
  }
  chunks_[path] = chunk;
  return chunk;
}

void SdlAudio::SoundPlay(const std::string& path, bool wait) {
  played_ = nullptr;
  if (!Open()) return;
  Mix_Chunk* chunk = Chunk(path);
  if (!chunk || Mix_PlayChannel(kSoundChannel, chunk, 0) < 0) return;
  played_ = chunk;
  int frequency = kFrequency, channels = 2;
  Uint16 format = AUDIO_S16SYS;
  Mix_QuerySpec(&frequency, &format, &channels);
  const Uint64 bytesPerSecond = std::max(1, frequency * channels * SDL_AUDIO_BITSIZE(format) / 8);
  playedEnd_ = SDL_GetTicks64() + Uint64{chunk->alen} * 1000 / bytesPerSecond;
}

int64_t SdlAudio::SoundLeftMs() {
  if (!played_ || !Mix_Playing(kSoundChannel) || Mix_GetChunk(kSoundChannel) != played_) return 0;
  // To the end of the sound, but never longer than its length and a second:
  // a stalled device must not hold the game for ever.
  const Uint64 now = SDL_GetTicks64();
  if (now >= playedEnd_ + 1000) return 0;
  return now < playedEnd_ ? static_cast<int64_t>(playedEnd_ - now) : 1;
}

void SdlAudio::SoundStop() {
  if (open_) Mix_HaltChannel(kSoundChannel);
  played_ = nullptr;
}

}  // namespace lumora

// The module's entry (platform/audio_module.h).
extern "C" __attribute__((visibility("default"))) lumora::Audio* LumoraCreateSdlAudio() {
  return new lumora::SdlAudio;
}
