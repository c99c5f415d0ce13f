// Clickable areas: "linktel=" on the display, "linkfunc=" on the command panel,
// "linkpainel=" on the skin picture.
#pragma once
#include <string>

#include "command/handler.h"

namespace lumora {

void CmdLinkTel(TForm3& t);     // "linktel=", "lnktel="
void CmdLinkFunc(TForm3& t);    // "linkfunc=", "lnkfnc="
void CmdLinkPainel(TForm3& t);  // "linkpainel=", "lnkpan="

// Whether a text names a picture: it holds ".gif", ".png", ".jpg" or ".bmp".
bool IsPictureName(const std::string& text);

}  // namespace lumora
