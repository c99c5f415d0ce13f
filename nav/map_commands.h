// The map commands: "loadmap=", "addmap=", "defpicmap=", "picmap=",
// "showmap"/"showmap=" and "posmap=".
#pragma once
#include "command/handler.h"

namespace lumora {

void CmdLoadMap(TForm3& t);    // "loadmap="
void CmdAddMap(TForm3& t);     // "addmap="
void CmdDefPicMap(TForm3& t);  // "defpicmap="
void CmdPicMap(TForm3& t);     // "picmap="
void CmdShowMap(TForm3& t);    // "showmap", "showmap="
void CmdPosMap(TForm3& t);     // "posmap="

}  // namespace lumora
