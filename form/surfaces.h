// The surfaces the player sees pictures on and clicks, one row each, in the
// style of the keyword table: the word scripts name it by, the word the
// automation names it by, its clickable areas, the picture box that shows it
// and the buffer scripts draw on. These words are spelled here and nowhere else.
#pragma once
#include <QImage>
#include <string_view>

#include "form/components.h"
#include "form/link_table.h"

namespace lumora {

struct TForm1;

enum class SurfaceId { Tela, TelCmd, Imp, Tela3, TelAber, MapJog, Voce };

struct SurfaceRow {
  SurfaceId id;
  const char* scriptWord;      // "tel", "fnc", "pan", "md3" in scripts; nullptr when scripts do not name it
  const char* automationWord;  // in walkthroughs
  const SlotGroup* areas;      // its clickable areas, or nullptr
  ImageBox TForm1::*control;   // the picture box that shows it
  QImage TForm1::*buffer;      // the off-screen buffer scripts draw on, or nullptr: the box's own picture
  bool drawn;                  // scripts draw pictures, texts and object grids on it
};

// Every row, in the order above.
const SurfaceRow* SurfaceRows(size_t& count);
const SurfaceRow& Surface(SurfaceId id);
// The row a script's word names ("tel", "fnc", "pan", "md3"), or nullptr.
const SurfaceRow* ScriptSurface(std::string_view word);
// The row a script's word names when scripts draw on it ("tel", "fnc", "pan"), or nullptr.
const SurfaceRow* DrawnSurface(std::string_view word);
// Whether a script's word names that surface.
bool NamesSurface(std::string_view word, SurfaceId id);
// The row an automation word names, or nullptr.
const SurfaceRow* AutomationSurface(std::string_view word);

}  // namespace lumora
