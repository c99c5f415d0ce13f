// The music and sound commands: "playmusic" with "play", "volume=", "playsnd".
#pragma once

#include "command/handler.h"

namespace lumora {

void CmdPlayMusic(TForm3& t);  // "playmusic", "play"
void CmdVolume(TForm3& t);     // "volume="
void CmdPlaySnd(TForm3& t);    // "playsnd"

}  // namespace lumora
