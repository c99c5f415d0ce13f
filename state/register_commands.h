// The register commands: setting, appending, text over several lines, integer
// arithmetic, random draws, register jumps; and the two object commands beside
// them in the table, "poeobj=" and "temos?".
#pragma once
#include "command/handler.h"

namespace lumora {

void CmdRegSet(TForm3& t);      // "reg="
void CmdRegAppend(TForm3& t);   // "reg$"
void CmdRegTrim(TForm3& t);     // "trim"
void CmdRegText(TForm3& t);     // "regtxt=", "regtxt+"
void CmdRegSub(TForm3& t);      // "reg-"
void CmdRegAdd(TForm3& t);      // "reg+"
void CmdRegMul(TForm3& t);      // "reg*"
void CmdRegDivReal(TForm3& t);  // "reg/"
void CmdRegDiv(TForm3& t);      // "reg:"
void CmdRegRandom(TForm3& t);   // "reg?"
void CmdIfRegEqual(TForm3& t);  // "ifreg="
void CmdIfRegDiffer(TForm3& t); // "ifreg#"
void CmdIfRegAbove(TForm3& t);  // "ifreg>"
void CmdIfRegBelow(TForm3& t);  // "ifreg<"
void CmdPoeObj(TForm3& t);      // "poeobj="
void CmdTemos(TForm3& t);       // "temos?"

}  // namespace lumora
