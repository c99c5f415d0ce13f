// The music and sound commands. Music comes from the game folder and plays once
// while the script goes on; a sound comes from the current folder and, with
// "on", holds the script (and the window) until it has ended or the program is
// to end.
#include "media/music_commands.h"

#include <algorithm>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/stop_request.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "form/form1.h"
#include "media/click_sounds.h"

namespace lumora {

void CmdPlayMusic(TForm3& t) {
  TForm1& f = t.f;
  const std::string name = t.arg[0];
  t.traceLine += name;
  // A missing file leaves the music that plays alone.
  if (!FileExists(f.gameFolder, name)) {
    t.traceLine += " <--- arquivo n\xE3o existe";
    return;
  }
  const std::string path = ResolvePath(f.gameFolder, name);
  f.audio.Add({AudioEvent::Kind::Music, name});
  std::string problem = f.platform.MusicOpen(path);
  if (problem.empty()) problem = f.platform.MusicPlay();
  // A file that is there but no music (a text named .mid, a cut-off OGG) is the
  // device's error: unguarded, it ends the run.
  if (!problem.empty()) throw FileError(FileAction::Open, Cp1252FromUtf8(path), problem);
}

void CmdVolume(TForm3& t) {
  const int32_t level = IntOr(t.arg[0], 0);
  t.traceLine += IntToStr(level);
  t.f.audio.Add({AudioEvent::Kind::Volume, {}, level});
  t.f.platform.MusicVolume(level);
}

namespace {

void StopSound(TForm3& t) {
  t.traceLine += "," + t.arg[1];
  t.f.audio.Add({AudioEvent::Kind::Sound, t.arg[0], 0, AudioEvent::Mode::Stop});
  t.f.platform.SoundStop();
}

// Plays to the end, then lets the window catch up on what came meanwhile. The
// window waits with the script, but a request to end the program (the close
// button, SIGTERM) ends the wait, and the sound with it: a long sound must not
// hold the program's end.
void PlaySoundToEnd(TForm3& t, const std::string& name) {
  TForm1& f = t.f;
  f.audio.Add({AudioEvent::Kind::Sound, name, 0, AudioEvent::Mode::Sync});
  f.platform.SoundPlay(SoundPath(f, name), true);
  // A look at the request every step: the end is noticed within a step of it.
  constexpr int64_t kStepMs = 50;
  for (int64_t left = f.platform.SoundLeftMs(); left > 0; left = f.platform.SoundLeftMs()) {
    if (ExitDue(f.platform, f.exitRequested)) {
      f.platform.SoundStop();
      throw RunStopped();
    }
    f.platform.Sleep(static_cast<int>(std::min(left, kStepMs)));
  }
  t.traceLine += ",on";
  // A click handled now runs a nested script, which rebuilds the trace line.
  const std::string trace = t.traceLine;
  f.platform.ProcessMessages(Platform::PlayerInput::Delivered);
  t.traceLine = trace;
}

}  // namespace

void CmdPlaySnd(TForm3& t) {
  TForm1& f = t.f;
  const std::string name = t.arg[0];
  if (name.empty()) {
    t.traceLine += " <--- n\xE3o definiu nome de arquivo .wav";
    return;
  }
  t.traceLine += name;
  if (name == "off") {
    StopSound(t);
    return;
  }
  if (!SoundNameFits(name)) {
    t.traceLine += " <--- nome de arquivo .wav longo demais";
    return;
  }
  if (t.arg[1].empty()) {
    PlayClickSound(f, name);  // the same asynchronous call
  } else if (t.arg[1] == "on") {
    PlaySoundToEnd(t, name);
  }
  // Any other second argument plays nothing.
}

}  // namespace lumora
