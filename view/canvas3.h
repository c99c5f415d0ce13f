// The model-3 drawing surface TelMod3 and its copy on the visible page Tela3.
#pragma once
#include <cstdint>
#include <string>

namespace lumora {

struct TForm1;

// The model-3 page is at most this tall: a script growing it line by line for
// ever would otherwise ask for gigabytes, and nobody scrolls that far.
constexpr int kMaxCanvas3Height = 65535;

// TelMod3's bitmap holds at least TelMod3's size (24-bit), created or resized
// keeping what it holds; new area takes the canvas brush. The bitmap may be
// taller than the page: it grows with room to spare, so a page built line by
// line is not copied whole at every line.
void EnsureCanvas3(TForm1& f);

// The page's size as its bitmap can hold it, which the page keeps everywhere
// (drawing, the copy shown, the scroll box): the width at most a surface's
// side, the height 0 .. kMaxCanvas3Height and within the pixels a surface may
// have at that width (CappedSurfaceSize). A configured area of 50,000 by
// 50,000 pixels would otherwise be copied whole to be shown, 10 GB.
int Canvas3Width(int64_t width);
int Canvas3Height(int width, int64_t height);
// TelMod3 takes that size; its bitmap is left to EnsureCanvas3.
void SizeCanvas3(TForm1& f, int64_t width, int64_t height);

// The one way the page's height changes once it is shown: held as above. A
// page made shorter loses what lay below its new bottom.
void SetCanvas3Height(TForm1& f, int64_t height);

// Canvas text output at (x, y) in the canvas font, on the brush colour.
void DrawCanvas3Text(TForm1& f, int x, int y, const std::string& text);

// Fills the whole canvas with its brush.
void FillCanvas3(TForm1& f);

// Tela3 takes TelMod3's size and a copy of its picture.
void ShowCanvas3(TForm1& f);

}  // namespace lumora
