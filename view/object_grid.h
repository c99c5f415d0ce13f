// The object grid: the pictures of the objects at one place in cells of a
// grid, each cell a clickable area that runs the object's script; on a page,
// the same as HTML.
#pragma once
#include <string>
#include <vector>

#include "command/handler.h"

namespace lumora {

struct TForm1;
struct GameState;
struct ObjectGridSettings;

void CmdDispObj(TForm3& t);  // "dispobj=", "displayobjetos="

struct GridCell {
  std::string key, picture;
  int x = 0, y = 0;       // offsets from the grid's corner
  bool rowEnds = false;   // the last cell of a full row
};

// The cells of the objects whose place is `place`, in table order, while the
// rows fit the grid's height; the cell is width div columns square.
std::vector<GridCell> GridLayout(const GameState& state, const std::string& place, const ObjectGridSettings& grid);

// Draws the grid on the surface the word names ("tel", "fnc", "pan") and
// fills a clickable area per cell, or writes it to the page in model 2.
// "loc" stands for the current place.
void ObjectGrid(TForm1& f, const std::string& place, const std::string& target);

}  // namespace lumora
