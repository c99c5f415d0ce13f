// The text codes of script texts: "§" line break, "~" hard blank, "^" comma,
// each rendered for the display model.
#pragma once
#include <string>
#include <string_view>

namespace lumora {

constexpr char kCodeBreak = '\xA7';  // "§"
constexpr char kCodeBlank = '~';
constexpr char kCodeComma = '^';

// Replaces every occurrence of one code in text as display model `modelo` shows it.
std::string ApplyTextCode(char code, std::string_view text, std::string_view modelo);

// Applies "§", then "~", then "^", each only when the text holds it.
std::string ApplyTextCodes(std::string_view text, std::string_view modelo);

}  // namespace lumora
