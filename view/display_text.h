// "display" and "display=" with a text: a box text on "tel", "fnc" or "pan",
// or a styled line of the model-2 page.
#pragma once
#include "command/handler.h"

namespace lumora {

// The text of argument 1 on the surface of argument 2 at (argument 3,
// argument 4), in the size, colour and style of arguments 7 to 9.
void DisplayText(TForm3& t);

}  // namespace lumora
