// The model-3 drawing surface TelMod3 and its copy on the visible page Tela3.
#pragma once
#include <string>

namespace lumora {

struct TForm1;

// TelMod3's bitmap at TelMod3's size (24-bit), created or resized keeping what
// it holds; new area takes the canvas brush.
void EnsureCanvas3(TForm1& f);

// Canvas text output at (x, y) in the canvas font, on the brush colour.
void DrawCanvas3Text(TForm1& f, int x, int y, const std::string& text);

// Fills the whole canvas with its brush.
void FillCanvas3(TForm1& f);

// Tela3 takes TelMod3's size and a copy of its picture.
void ShowCanvas3(TForm1& f);

}  // namespace lumora
