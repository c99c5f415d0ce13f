// Pictures and objects on a surface: "display" with a picture, "showobj=" and
// the head-up display "hud=".
#pragma once
#include "command/handler.h"

namespace lumora {

// "display", "display=". A picture name (".gif", ".png", ".jpg" or ".bmp"
// anywhere in it) is drawn on "tel", "fnc" or "pan" or, in model 2, written
// to the page. Texts go to the box text renderer (view/display_text.h).
void CmdDisplay(TForm3& t);
void CmdShowObj(TForm3& t);  // "showobj="
void CmdHud(TForm3& t);      // "hud="

}  // namespace lumora
