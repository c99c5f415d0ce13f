// What the window learns from the window system and the model keeps: the
// window moved, a page scrolled by the player, the keyboard taken by a click,
// the web view started, a click completed on a picture that has no areas.
#pragma once
#include <string>

#include "form/components.h"

namespace lumora {

struct TForm1;

// The window system moved the window (the player, or the window manager).
void WindowMoved(TForm1& f, int left, int top);
// The player scrolled the map page or the model-3 page (bars, keys), in design pixels.
void MapScrolledByPlayer(TForm1& f, int h, int v);
void PageScrolledByPlayer(TForm1& f, int v);

// The player clicked into a widget that takes the keyboard: the focus ring
// goes out and the keyboard stays there (None for a widget the engine does
// not name: nobody then insists).
void KeyboardTaken(TForm1& f, Focus to);
// A key, a click or a change in the typed memo: it is given the keyboard, and
// hands it on to the input line while that is visible.
void MsgMd0Touched(TForm1& f);

// The web view is started the first time a model-2 page shows; a game that
// never shows one never loads the web engine.
bool WebViewWanted(const TForm1& f);
// It was started, or could not be (no module): either way it is asked once.
void WebViewStarted(TForm1& f);

// The notice for the player the engine left, taken once ("" for none).
std::string TakeNotice(TForm1& f);

// A click on a control without areas (the opening picture, the player's
// marker on the map): the press went down on it and the release came up inside
// its bounds (x, y in its pixels). A release elsewhere clicks nothing.
void ControlPressed(TForm1& f, const Control& c);
bool ControlReleased(TForm1& f, const Control& c, int x, int y);

}  // namespace lumora
