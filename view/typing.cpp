// Letter-by-letter typing into MsgMd0.
#include "view/typing.h"

#include "form/form1.h"

namespace lumora {

void TypeText(TForm1& f, std::string_view text) {
  f.platform.ProcessMessages(Platform::PlayerInput::Delivered);
  for (char c : text) {
    f.MsgMd0.text += c;
    f.platform.RepaintNow(Component::MsgMd0);
    if (f.typingDelay > 0) f.platform.Sleep(f.typingDelay);
  }
}

}  // namespace lumora
