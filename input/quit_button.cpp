// The quit button: the press shows "D-" + the button's picture name (kept in its
// hint) and clicks "clk0a.wav", the release shows "U-" + that name, clicks
// "clk0b.wav", lets pending messages through, waits 200 ms and ends the program:
// the wait lets the release click be heard.
#include "input/quit_button.h"

#include "form/form1.h"
#include "media/click_sounds.h"
#include "view/picture_loader.h"

namespace lumora {

void BtFimMouseDown(TForm1& f) {
  LoadPicture(f, "D-" + f.btFim.hint, f.btFim);
  PlayClickSound(f, "clk0a.wav");
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

void BtFimMouseUp(TForm1& f) {
  LoadPicture(f, "U-" + f.btFim.hint, f.btFim);
  PlayClickSound(f, "clk0b.wav");
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  f.platform.Sleep(200);
  f.platform.RequestExit();
}

}  // namespace lumora
