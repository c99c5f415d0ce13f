// The click-sound player.
#include "media/click_sounds.h"

#include "core/paths.h"
#include "core/trace.h"
#include "form/form1.h"

namespace lumora {

bool SoundNameFits(std::string_view name) { return name.size() <= kSoundNameMax; }

std::string SoundPath(const TForm1& f, const std::string& name) { return ResolvePath(f.programFolder, name); }

void PlayClickSound(TForm1& f, const std::string& name) {
  if (name.empty()) return;
  if (!SoundNameFits(name)) {
    // Outside any script line: the refusal gets a trace line of its own.
    Trace("clique: " + name + " <--- nome de arquivo .wav longo demais");
    return;
  }
  f.audio.Add({AudioEvent::Kind::Sound, name, 0, AudioEvent::Mode::Async});
  f.platform.SoundPlay(SoundPath(f, name), false);
}

}  // namespace lumora
