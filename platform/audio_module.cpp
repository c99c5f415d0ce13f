// The sound device lives in a module of its own (liblumora_sdlaudio.so, found
// by ModuleFile), loaded with the first sound: linked into the program,
// SDL2_mixer and the FluidSynth it brings made every start-up load them, also
// for games that never play a note.
#include "platform/audio_module.h"

#include <QLibrary>
#include <cstdio>

#include "platform/silent_audio.h"
#include "qt/installed_files.h"

namespace lumora {

std::unique_ptr<Audio> LoadAudioModule(const QString& file, QString& error) {
  // Never unloaded: the audio's code is in it.
  auto* module = new QLibrary(file);
  const auto create = reinterpret_cast<CreateAudioEntry>(module->resolve("LumoraCreateSdlAudio"));
  if (!create) {
    error = module->errorString();
    delete module;
    return nullptr;
  }
  return std::unique_ptr<Audio>(create());
}

std::unique_ptr<Audio> MakeDeviceAudio() {
  QString error;
  std::unique_ptr<Audio> audio = LoadAudioModule(ModuleFile(QStringLiteral(LUMORA_AUDIO_MODULE)), error);
  if (audio) return audio;
  // The game goes on without sound rather than stopping on it.
  std::fprintf(stderr, "lumora: no sound: %s\n", error.toLocal8Bit().constData());
  return MakeSilentAudio();
}

}  // namespace lumora
