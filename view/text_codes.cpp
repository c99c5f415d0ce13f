// The text codes.
#include "view/text_codes.h"

namespace lumora {

std::string ApplyTextCode(char code, std::string_view text, std::string_view modelo) {
  std::string_view replacement;
  if (code == kCodeBreak) {
    // Model 3 keeps the code: the canvas renderer breaks the line itself.
    replacement = (modelo == "0" || modelo == "1") ? "\r\n" : modelo == "2" ? "<br>" : modelo == "3" ? "\xA7" : "";
  } else if (code == kCodeBlank) {
    replacement = modelo == "2" ? "&nbsp;" : " ";
  } else {
    replacement = ",";
  }
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == code) out += replacement;
    else out += c;
  }
  return out;
}

std::string ApplyTextCodes(std::string_view text, std::string_view modelo) {
  std::string out(text);
  for (char code : {kCodeBreak, kCodeBlank, kCodeComma})
    if (out.find(code) != std::string::npos) out = ApplyTextCode(code, out, modelo);
  return out;
}

}  // namespace lumora
