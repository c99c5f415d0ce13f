// Box texts on the model-3 page: "btxt=" and "boxtexto=".
#pragma once
#include "command/handler.h"

namespace lumora {

// "btxt=", "boxtexto=": text, x, y, width, height, colour, style, background,
// size; drawn on the model-3 page in any display model.
void CmdBoxTexto(TForm3& t);

}  // namespace lumora
