// The text codes.
#include "form/text_codes.h"

namespace lumora {

namespace {

// Model 3 keeps the line break: the canvas renderer breaks the line itself.
std::string_view LineBreak(DisplayModel model) {
  switch (model) {
    case DisplayModel::Typed:
    case DisplayModel::Picture: return "\r\n";
    case DisplayModel::Page: return "<br>";
    case DisplayModel::Canvas: return "\xA7";
    case DisplayModel::Other: break;
  }
  return "";
}

}  // namespace

std::string ApplyTextCode(char code, std::string_view text, DisplayModel model) {
  const std::string_view replacement = code == kCodeBreak   ? LineBreak(model)
                                       : code == kCodeBlank ? (model == DisplayModel::Page ? "&nbsp;" : " ")
                                                            : ",";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == code) out += replacement;
    else out += c;
  }
  return out;
}

std::string ApplyTextCodes(std::string_view text, DisplayModel model) {
  std::string out(text);
  for (char code : {kCodeBreak, kCodeBlank, kCodeComma})
    if (out.find(code) != std::string::npos) out = ApplyTextCode(code, out, model);
  return out;
}

}  // namespace lumora
