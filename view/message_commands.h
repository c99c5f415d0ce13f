// Message commands: writing, clearing and styling the messages of every
// display model.
#pragma once
#include "command/handler.h"

namespace lumora {

void CmdMsgAdd(TForm3& t);     // "msg+"
void CmdMsgSet(TForm3& t);     // "msg="
void CmdClearMsg(TForm3& t);   // "clearmsg"
void CmdLineFeed(TForm3& t);   // "linefeed"
void CmdFonte(TForm3& t);      // "fonte="
void CmdCorFnd(TForm3& t);     // "corfnd="
void CmdCorTxt(TForm3& t);     // "cortxt="
void CmdCorLnk(TForm3& t);     // "corlnk="
void CmdCorVzk(TForm3& t);     // "corvzk="
void CmdFntSize(TForm3& t);    // "fntsize="
void CmdFntFace(TForm3& t);    // "fntface="
void CmdFntSty(TForm3& t);     // "fntsty="

struct TForm1;
// The model-3 canvas takes the message font, colours and style.
void SetUpCanvas3Font(TForm1& f);

}  // namespace lumora
