// The speech engine behind the platform's reading aloud: QtTextToSpeech in a
// module of its own (liblumora_speech.so beside the program), loaded with the
// first reading, so a player who never asks for it never loads it.
#pragma once
#include <QString>
#include <memory>

namespace lumora {

class Speech {
 public:
  virtual ~Speech() = default;
  // Whether an engine answered; without one Say does nothing.
  virtual bool Available() = 0;
  // Reads the text once the texts said before it are read.
  virtual void Say(const QString& text) = 0;
  // Stops the reading going on and drops the texts still waiting.
  virtual void Stop() = 0;
};

// The module's one entry: a new speech, owned by the caller.
using CreateSpeechEntry = Speech* (*)();

// The speech of this build's module, or nullptr when the build has none or
// the module (or QtTextToSpeech) cannot be loaded.
std::unique_ptr<Speech> LoadSpeech();

}  // namespace lumora
