// The mouse over the clickable surfaces: the hit test on movement, the press
// and the release of an area, dragging the borderless window, the wheel over
// the model-3 page, and the map page's own mouse (dragging the map, the marker).
#pragma once
#include <QPoint>
#include <QRect>

#include "form/surfaces.h"

namespace lumora {

struct TForm1;
struct Control;

// The surfaces with clickable areas (Tela, TelCmd, Imp, TelAber, Tela3 of the
// surface table). TelAber, the opening picture, shares Imp's handlers: the
// background areas and the window drag.
using MouseSurface = SurfaceId;

// What a pointer movement changed, so the front end redraws only that.
struct MoveEffect {
  bool cursor = false;  // the surface's pointer shape
  bool window = false;  // the window's position (a drag)
  bool Any() const { return cursor || window; }
};

// x, y in the surface's pixels. A press and a release are each hit-tested
// where they happen, as if the pointer had moved there first (cursor and
// hovered area included); on Tela the press's hit test comes after the picture
// click script's run, against the table it left.
MoveEffect SurfaceMouseMove(TForm1& f, MouseSurface s, int x, int y);
void SurfaceMouseDown(TForm1& f, MouseSurface s, int x, int y);
void SurfaceMouseUp(TForm1& f, MouseSurface s, int x, int y);
// A double click's second press: the surfaces take it as a press (only the
// opening picture has a double-click handler of its own).
void SurfaceDoubleClick(TForm1& f, MouseSurface s, int x, int y);
// The control whose pointer shape the surface's movements set: TelAber's set
// Imp's, as both share one handler.
const Control& CursorOwnerOf(const TForm1& f, MouseSurface s);
// The same press and release on a chosen area, with no hit test: a click from
// the keyboard's focus ring acts on the area in the ring.
void AreaPress(TForm1& f, MouseSurface s, int area);
void AreaRelease(TForm1& f, MouseSurface s, int area);

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
