// The mouse over the clickable surfaces: the hit test on movement, the press
// and the release of an area, dragging the borderless window, the wheel over
// the model-3 page, and the map page's own mouse (dragging the map, the marker).
#pragma once
#include <QPoint>
#include <QRect>

namespace lumora {

struct TForm1;

// The surfaces with clickable areas. TelAber, the opening picture, shares Imp's
// handlers: the background areas and the window drag.
enum class MouseSurface { Tela, TelCmd, Imp, TelAber, Tela3 };

// What a pointer movement changed, so the front end redraws only that.
struct MoveEffect {
  bool cursor = false;  // the surface's pointer shape
  bool window = false;  // the window's position (a drag)
  bool Any() const { return cursor || window; }
};

// x, y in the surface's pixels.
MoveEffect SurfaceMouseMove(TForm1& f, MouseSurface s, int x, int y);
void SurfaceMouseDown(TForm1& f, MouseSurface s, int x, int y);
void SurfaceMouseUp(TForm1& f, MouseSurface s, int x, int y);

// The wheel anywhere in the window: it scrolls the model-3 page by the delta
// (120 a notch) when the pointer, in screen pixels, lies on Sbox2's rectangle
// on the screen, bounds included. True when it scrolled (the event is used).
bool Sbox2MouseWheel(TForm1& f, QPoint pointer, QRect sbox2OnScreen, int delta);
// Sbox2's largest scroll position: the page's height less the box's.
int Sbox2ScrollMax(const TForm1& f);

// The map: grabbed, dragged and let go in MapJog's pixels. A move returns
// whether the map scrolled.
void MapJogMouseDown(TForm1& f, int x, int y);
bool MapJogMouseMove(TForm1& f, int x, int y);
void MapJogMouseUp(TForm1& f);
// A click on the player's marker: back to the display model's page and to the
// position script.
void VoceClick(TForm1& f);

}  // namespace lumora
