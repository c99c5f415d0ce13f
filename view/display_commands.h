// Display commands: clearing the buffers, the model-3 text position, switching
// the display model, the update page.
#pragma once
#include "command/handler.h"

namespace lumora {

// A model-3 text position argument: "$" or empty keeps the current value, not
// a number is 0.
int TextPositionArgument(const std::string& argument, int current);

void CmdClearTxt(TForm3& t);   // "cleartxt", "clear$"
void CmdClearTela(TForm3& t);  // "cleartela"
void CmdClearFunc(TForm3& t);  // "clearfunc"
void CmdPosTxt(TForm3& t);     // "postxt=", "postxt"
void CmdLnFeed(TForm3& t);     // "lnfeed=" (model 3 only)
void CmdSetMode(TForm3& t);    // "modo=", "setmode="
void CmdDownload(TForm3& t);   // "download"

}  // namespace lumora
