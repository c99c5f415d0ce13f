// Flow-control commands: the end of a run, other scripts, pauses, the special
// variables, subroutines and jumps to labels.
#pragma once
#include <string>

#include "script/interp.h"

namespace lumora {

void CmdFim(TForm3& t);      // "fim", "end"
void CmdScript(TForm3& t);   // "script"
void CmdPausa(TForm3& t);    // "pausa="
void CmdRetScp(TForm3& t);   // "retscp="
void CmdSetPos(TForm3& t);   // "setpos="
void CmdGetVar(TForm3& t);   // "getvar="
void CmdGosub(TForm3& t);    // "gosub"
void CmdReturn(TForm3& t);   // "return", "ret"
void CmdRecall(TForm3& t);   // "recall="
void CmdGoto(TForm3& t);     // "goto"

// Replaces the script lines with those of game folder + name + ".scp". A file
// that cannot be read raises ScriptError naming it.
void LoadScriptLines(TForm1& f, const std::string& name);

}  // namespace lumora
