// The quit button: its release ends the program.
#pragma once

namespace lumora {

struct TForm1;

void BtFimMouseUp(TForm1& f);

}  // namespace lumora
