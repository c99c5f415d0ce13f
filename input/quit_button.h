// The quit button: its press shows the pressed picture, its release ends the program.
#pragma once

namespace lumora {

struct TForm1;

void BtFimMouseDown(TForm1& f);
void BtFimMouseUp(TForm1& f);

}  // namespace lumora
