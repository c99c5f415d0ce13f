// The box text renderer: a text with line breaks and links laid out word by
// word in a box and drawn on the model-3 page, the screen buffer, the panel
// buffer or the skin, its links becoming clickable areas of that surface.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

struct TForm1;

enum class BoxSurface { TelMod3, Tela, TelCmd, Imp };

struct BoxText {
  std::string text;           // "$": the text of Memo3; empty: "Sem texto."
  int x = -1, y = -1;         // -1: the text position
  int width = 0, height = 0;  // 0: up to the surface's right or bottom edge
  int size = 0;               // points; 0: the message font size
  std::string colour;         // RRGGBB; empty: the text colour
  std::string background;     // RRGGBB; "0": the background colour; empty: none
  std::string style;          // "B", "I", "U" in positions 1 to 3; anything else is plain
};

// The tokens of a text in order: words with their trailing blank, each "§" at
// the start of a word as a token of its own, links "@caption|reference|" as
// "@caption|reference". The last word is not taken apart.
std::vector<std::string> CutBoxText(std::string_view text);

// Draws the text on the surface: wrapped to the box, lines size + size / 2
// apart, links in the link colour, underlined in the visited-link colour and
// registered in the surface's slot group. The model-3 page grows to hold the
// text. The text position y ends one line below the top of the last line.
// A colour that is not a colour text raises ScriptError.
void DrawBoxText(TForm1& f, BoxSurface surface, BoxText box);

}  // namespace lumora
