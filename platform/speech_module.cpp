// Loading the speech module.
#include <QLibrary>
#include <cstdio>

#include "platform/speech.h"
#include "qt/installed_files.h"

namespace lumora {

std::unique_ptr<Speech> LoadSpeech() {
#ifdef LUMORA_SPEECH_MODULE
  // Never unloaded: the speech's code is in it.
  auto* module = new QLibrary(ModuleFile(QStringLiteral(LUMORA_SPEECH_MODULE)));
  const auto create = reinterpret_cast<CreateSpeechEntry>(module->resolve("LumoraCreateSpeech"));
  if (create) return std::unique_ptr<Speech>(create());
  std::fprintf(stderr, "lumora: no speech: %s\n", module->errorString().toLocal8Bit().constData());
  delete module;
#endif
  return nullptr;
}

}  // namespace lumora
