// Clicks from the keyboard: Tab and Shift+Tab walk a focus ring over the
// clickable areas the player can see, Enter or Space clicks the one it is on.
#pragma once
#include <vector>

#include "form/components.h"
#include "input/mouse.h"

namespace lumora {

struct TForm1;

// The active areas of the surfaces now shown, in slot order: the screen, the
// panel, the background (or the opening picture), the model-3 page.
std::vector<int> FocusableAreas(const TForm1& f);

// Tab (forward) or Shift+Tab: the ring moves to the next area, or the previous
// one. Past either end it leaves the areas (-1) when the input line is there to
// take the keys, and gives it the keyboard; it wraps round otherwise. A model-3 area is scrolled into
// view. Returns the area now in the ring, -1 for none.
int MoveKeyFocus(TForm1& f, bool forward);

// The area in the ring, -1 when the ring is off or its area went away (a run
// reset the link table, the page changed).
int KeyFocusedArea(const TForm1& f);

// The surface an area lies on as the player sees it now.
MouseSurface SurfaceOfArea(const TForm1& f, int area);

// Enter or Space going down and coming up on the area in the ring: the same
// press and release a mouse click on it gives (pressed picture, sound, script).
// False when no area is in the ring, so the key goes where it would otherwise.
bool KeyFocusPress(TForm1& f);
bool KeyFocusRelease(TForm1& f);

// Enter or Space with no area in the ring on the opening screen: the click on
// the opening picture that starts the game, so a player without a mouse can
// begin at all.
bool KeyStartsGame(const TForm1& f);

// Who has the keyboard: the window while an area is in the ring (its keys
// click it), otherwise what the game and the player's clicks chose. The window
// gives the keyboard to it whenever it shows the model.
Focus KeyboardOwner(const TForm1& f);

}  // namespace lumora
