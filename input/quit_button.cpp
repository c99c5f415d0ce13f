// The quit button: the press shows "D-" + the button's picture name (kept in its
// hint), the release shows "U-" + that name, lets pending messages through, waits
// 200 ms and ends the program.
#include "input/quit_button.h"

#include "form/form1.h"
#include "view/picture_loader.h"

namespace lumora {

// The click sounds "clk0a.wav" (press) and "clk0b.wav" (release) belong here,
// right after each picture, once the sound player exists.

void BtFimMouseDown(TForm1& f) {
  LoadPicture(f, "D-" + f.btFim.hint, f.btFim);
  f.platform.ProcessMessages();
}

void BtFimMouseUp(TForm1& f) {
  LoadPicture(f, "U-" + f.btFim.hint, f.btFim);
  f.platform.ProcessMessages();
  f.platform.Sleep(200);
  f.platform.RequestExit();
}

}  // namespace lumora
