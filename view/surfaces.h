// The configured look of the display surfaces, applied by the game loader and
// again at the start of every script run.
#pragma once
#include <cstdint>
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
// larger than the largest surface (CappedSurfaceSize).
QImage FilledImage(int width, int height, Colour c);

// The game area (Abok0, the window's client size) and the skin's surface Imp
// take a size, held as a surface is: a window of 100,000 by 100,000 pixels
// would want 40 GB to paint. Returns the size taken.
SurfaceSize SizeGameArea(TForm1& f, int64_t width, int64_t height);

}  // namespace lumora
