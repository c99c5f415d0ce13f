// Saving and resetting the game state: "saveregs", "saveobjs", "reset".
#pragma once

#include "command/handler.h"

namespace lumora {

void CmdSaveRegs(TForm3& t);
void CmdSaveObjs(TForm3& t);
void CmdReset(TForm3& t);

}  // namespace lumora
