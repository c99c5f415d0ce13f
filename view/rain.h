// The rain over the picture screen: the drops fall over a still copy of the
// screen, behind an optional mask, with the Hud on top, one step per tick of
// the idle timer `Chuva`.
#pragma once
#include "command/handler.h"

namespace lumora {

struct TForm1;

void CmdChuva(TForm3& t);  // "chuva="

// Prepares the still screen, the overlay and the drop layer from the rain and
// mask pictures, then starts the timer. Nothing happens without a rain picture.
void RainOn(TForm1& f);

// The timer itself and its flag, both at once, so the model never says the
// rain runs when the clock does not tick, or the other way round.
void StartRain(TForm1& f);
void StopRain(TForm1& f);

// One tick: the frame composed from the still screen, the drops, the overlay
// and the Hud, drawn on Tela (the screen buffer is left alone); the drops then
// fall by the step. Does nothing while a script runs or before "chuva= on".
void RainTick(TForm1& f);

// The step as the drops fall: taken modulo the screen height, so any step
// gives a strip inside the screen and 0 leaves the drops standing.
int RainStep(int step, int height);

}  // namespace lumora
