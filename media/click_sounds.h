// Wave sounds by name: the click-sound player of keys, the quit button and
// clickable areas, and where a sound name is looked for.
#pragma once
#include <string>
#include <string_view>

namespace lumora {

struct TForm1;

// Sound names were copied into an 80-byte buffer with its terminating zero:
// longer names are refused rather than cut to another file's name.
constexpr size_t kSoundNameMax = 79;
bool SoundNameFits(std::string_view name);

// A sound name is relative to the current folder, which is the program folder
// (not the game folder, where music is looked for).
std::string SoundPath(const TForm1& f, const std::string& name);

// Plays the named sound asynchronously, cutting the sound that plays; an empty
// name does nothing, a name too long is refused with a trace line. Used for
// "clk3.wav" (keys in Input), "clk0a.wav"/"clk0b.wav" (the quit button) and the
// press sound of a clickable area.
void PlayClickSound(TForm1& f, const std::string& name);

}  // namespace lumora
