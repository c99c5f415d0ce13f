// The text codes of script texts: "§" line break, "~" hard blank, "^" comma,
// each rendered for the display model.
#pragma once
#include <string>
#include <string_view>

#include "form/display_model.h"

namespace lumora {

constexpr char kCodeBreak = '\xA7';  // "§"
constexpr char kCodeBlank = '~';
constexpr char kCodeComma = '^';

// Replaces every occurrence of one code in text as the display model shows it.
std::string ApplyTextCode(char code, std::string_view text, DisplayModel model);

// Applies "§", then "~", then "^", each only when the text holds it.
std::string ApplyTextCodes(std::string_view text, DisplayModel model);

}  // namespace lumora
