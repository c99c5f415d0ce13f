// Reading configuration lines: numbers, colour texts, style texts, visibility.
#pragma once
#include <string>
#include <string_view>

#include "form/components.h"

namespace lumora {

struct TForm1;

// The configuration file must hold at least this many lines (index 97 is read).
constexpr int kConfigLineCount = 98;

// Configuration line n; a missing line raises ScriptError naming the file.
const std::string& ConfigLine(const TForm1& f, int n);
// Line n as a whole number, unguarded: the error names the file and the line.
int ConfigInt(const TForm1& f, int n);
// Line n as a colour text, unguarded.
Colour ConfigColour(const TForm1& f, int n);

// A colour text "RRGGBB" as a colour. The digits are reordered blue, green, red
// and read as one hexadecimal number, so a short text still gives a colour
// ("FF" is red); a text that is not hexadecimal raises ScriptError.
Colour ColourFromText(std::string_view text);
// The colour as the six-digit text the pages write after "#".
std::string ColourText(Colour c);

// Style text: "B", "I", "U" in positions 1, 2, 3 (upper case only). A shorter
// line reads as if padded with "-".
struct Style {
  bool bold = false, italic = false, underline = false;
};
Style StyleFromText(std::string_view text);
void ApplyStyle(FontSpec& font, const Style& style);

// A visibility line shows its control only when it is exactly "*".
inline bool VisibleFromText(std::string_view text) { return text == "*"; }

// Font sizes are points on a 96-dpi screen; every font is set in pixels.
inline int PointsToPixels(int points) { return (points * 96 * 2 + 72) / (72 * 2); }

}  // namespace lumora
