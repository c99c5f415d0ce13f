// Typing: text written letter by letter into the model-0 memo.
#pragma once
#include <string_view>

namespace lumora {

struct TForm1;

// Lets pending messages be processed once, then appends each character to
// MsgMd0, repainting it and sleeping the typing delay between letters. Nothing
// else is processed while the text is typed; a request to end the program
// (SIGTERM, the close button) stops it between two letters (RunStopped).
void TypeText(TForm1& f, std::string_view text);

}  // namespace lumora
