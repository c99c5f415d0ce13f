// The configured look of the display surfaces, applied by the game loader and
// again at the start of every script run.
#pragma once
#include <string>

#include "form/components.h"

namespace lumora {

struct TForm1;

// The message font: configured name and size, the text colour, the style flags.
FontSpec MessageFont(const TForm1& f);

// Model 0: MsgMd0 sized to the display area less 10, coloured and with the
// font of lines 32 to 34 and the style of line 57.
void ResetModel0Surface(TForm1& f);

// Tela, its picture and the screen buffer take a size, filled with bg.
void ResizeScreen(TForm1& f, int width, int height, Colour bg);

// Input: position and size (lines 36 to 39), colour (40), font (41 to 43).
void ApplyInputLine(TForm1& f);

// The command panel: Abok2 placed by lines 45 to 48, TelCmd and the panel buffer
// sized to it and filled with the background colour, visibility of line 53.
void ResetPanel(TForm1& f);

// An image of at least 1 by 1 pixels in 24-bit colour filled with c, and no
// larger than a picture may be (PictureLimits).
QImage FilledImage(int width, int height, Colour c);

}  // namespace lumora
