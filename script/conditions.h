// Conditional commands: tests of registers, exits, the display model and the
// current place that run a command carried in their arguments or jump to a
// label; "getdir" and "scriptcmd=".
#pragma once
#include <string_view>

#include "script/interp.h"

namespace lumora {

void CmdIfEqual(TForm3& t);     // "if="
void CmdIfDiffers(TForm3& t);   // "if#"
void CmdIfGreater(TForm3& t);   // "if>"
void CmdIfLess(TForm3& t);      // "if<"
void CmdIfBetween(TForm3& t);   // "if~"
void CmdIfNorth(TForm3& t);     // "ifnor"
void CmdIfSouth(TForm3& t);     // "ifsul"
void CmdIfEast(TForm3& t);      // "ifles"
void CmdIfWest(TForm3& t);      // "ifoes"
void CmdIfModel0(TForm3& t);    // "ifmod0"
void CmdIfModel1(TForm3& t);    // "ifmod1"
void CmdIfModel2(TForm3& t);    // "ifmod2"
void CmdIfModel3(TForm3& t);    // "ifmod3"
void CmdGetDir(TForm3& t);      // "getdir"
void CmdScriptCmd(TForm3& t);   // "scriptcmd="
void CmdIfPlace(TForm3& t);     // "ifloc=", "ifpos="
void CmdIfNotPlace(TForm3& t);  // "ifloc#"

// Byte-wise text order: bytes compared as unsigned numbers, a prefix before
// the longer text. Negative, zero or positive as with strcmp.
int CompareBytes(std::string_view a, std::string_view b);

}  // namespace lumora
