// Letter-by-letter typing into MsgMd0.
#include "view/typing.h"

#include "core/stop_request.h"
#include "form/form1.h"

namespace lumora {

void TypeText(TForm1& f, std::string_view text) {
  f.platform.ProcessMessages(Platform::PlayerInput::Delivered);
  for (char c : text) {
    // A long text, or a script typing in an endless loop, is a wait the
    // person must be able to end: the look costs an atomic load and a clock
    // reading, nothing beside a letter.
    if (ExitDue(f.platform, f.exitRequested)) throw RunStopped();
    f.MsgMd0.text += c;
    f.platform.RepaintNow(Component::MsgMd0);
    if (f.typingDelay > 0) f.platform.Sleep(f.typingDelay);
  }
}

}  // namespace lumora
