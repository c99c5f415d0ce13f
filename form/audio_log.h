// What the scripts and the click sounds asked of the audio, kept for the
// walkthrough's JSON steps only while someone listens.
#pragma once
#include <string>
#include <vector>

namespace lumora {

// One request: music opened, volume set, or a sound played or stopped. File
// names are kept as the script gave them (Windows-1252).
struct AudioEvent {
  enum class Kind { Music, Volume, Sound };
  enum class Mode { Async, Sync, Stop };
  Kind kind = Kind::Sound;
  std::string name;
  int level = 0;
  Mode mode = Mode::Async;
};

struct AudioLog {
  // Off in a normal run: a player typing for hours would otherwise keep a
  // click per key.
  bool listening = false;
  std::vector<AudioEvent> events;

  void Add(AudioEvent event) {
    if (listening) events.push_back(std::move(event));
  }
};

}  // namespace lumora
