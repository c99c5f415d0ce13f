// Loading the sound device's module.
#pragma once
#include <QString>
#include <memory>

#include "platform/audio.h"

namespace lumora {

// The module's one entry: a new device audio, owned by the caller.
using CreateAudioEntry = Audio* (*)();

// The audio of the module in `file`, or nullptr with the loader's error.
std::unique_ptr<Audio> LoadAudioModule(const QString& file, QString& error);

}  // namespace lumora
