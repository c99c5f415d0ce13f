// The quit button: the release lets pending messages through, waits 200 ms and
// ends the program.
#include "input/quit_button.h"

#include "shell/form1.h"

namespace lumora {

void BtFimMouseUp(TForm1& f) {
  f.platform.ProcessMessages();
  f.platform.Sleep(200);
  f.platform.RequestExit();
}

}  // namespace lumora
