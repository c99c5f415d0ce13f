// Load picture and Draw picture at, the only ways pictures are read from files;
// the window's shape; the composition that ends every script run.
#pragma once
#include <string>

namespace lumora {

struct TForm1;
struct ImageBox;

// Loads game folder + name into the surface's picture. An empty name clears the
// surface. Pictures for Tela and TelCmd are loaded into BufShp and drawn, magenta
// left out, at (0, 0) of the screen or panel buffer. The decoder is chosen by
// ".png", ".jpg", ".bmp" and ".gif" in the name, each test on its own and
// case-sensitive. A PNG that cannot be opened or decoded raises ScriptError; the
// other kinds leave the surface as it was. Pending messages are processed once.
void LoadPicture(TForm1& f, const std::string& name, ImageBox& surface);

// Loads the picture into BufShp and draws it at (x, y) of the screen buffer (Tela
// in model 1), the panel buffer (TelCmd) or the surface's own picture; a width or
// height of 0 is the picture's own, any other size stretches it. On TelMod3 the
// page grows to hold it and the text position moves down by its height.
void DrawPictureAt(TForm1& f, const std::string& name, int x, int y, ImageBox& surface, int width, int height);

// The window takes Imp's size and the outline of Imp's picture without its
// magenta pixels, for painting and for clicks.
void ShapeWindow(TForm1& f);

// The end of a run: the Hud on the screen buffer when it is shown, then the
// screen buffer onto Tela (model 1) and the panel buffer onto TelCmd.
void DrawHud(TForm1& f);
void CopyBuffersToScreen(TForm1& f);

}  // namespace lumora
