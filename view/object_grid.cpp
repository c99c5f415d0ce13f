// The object grid and "dispobj=".
#include "view/object_grid.h"

#include <algorithm>
#include <cstdint>

#include "core/strings.h"
#include "form/form1.h"
#include "state/object_table.h"
#include "view/picture_draw.h"
#include "view/picture_loader.h"

namespace lumora {
namespace {

int CellSize(const ObjectGridSettings& grid) { return grid.columns > 0 ? grid.width / grid.columns : 0; }

// Model 2: a positioned block of linked pictures. The pictures are addressed
// by the game folder's URL: the folder may hold blanks and letters beyond
// ASCII, which would end or garble an unquoted attribute.
void GridHtml(TForm1& f, const std::vector<GridCell>& cells, int cell) {
  const ObjectGridSettings& g = f.grid;
  StringList& page = f.page.lines;
  page.push_back("<div style=\"width:" + IntToStr(g.width) + "px; height:" + IntToStr(g.height) +
                 "px; position:absolute; top:" + IntToStr(g.top) + "px; left:" + IntToStr(g.left) + "px;\">");
  const std::string size = IntToStr(cell);
  for (const GridCell& c : cells) {
    page.push_back("<a href=Scp=" + c.key + ">");
    page.push_back("<img src=" + f.gameFolderUrl + c.picture + " width=" + size + " height=" + size +
                   " border=0></a>");
    if (c.rowEnds) page.push_back("<br>");
  }
  page.push_back("</div>");
}

struct GridSurface {
  QImage* image = nullptr;
  const SlotGroup* group = nullptr;
};

GridSurface SurfaceOf(TForm1& f, const std::string& target) {
  const SurfaceRow* s = DrawnSurface(target);
  if (!s) return {};
  return {&ScriptBuffer(f, *s), s->areas};
}

}  // namespace

std::vector<GridCell> GridLayout(const GameState& state, const std::string& place, const ObjectGridSettings& grid) {
  std::vector<GridCell> cells;
  if (grid.columns <= 0) return cells;
  const int cell = CellSize(grid);
  const int count = ObjectCount(state);
  // Wide, so a huge cell cannot wrap the offsets round.
  int64_t column = 0, row = 0;
  for (int k = 0; k < count && row < grid.height; ++k) {
    const size_t first = static_cast<size_t>(k) * kRecordLines;
    if (state.objectTable[first + kLoc] != place) continue;
    cells.push_back({state.objectTable[first + kKey], state.objectTable[first + kShp], SaturatedInt(column), SaturatedInt(row),
                     false});
    column += cell;
    if (column == int64_t{cell} * grid.columns) {
      column = 0;
      row += cell;
      cells.back().rowEnds = true;
    }
  }
  return cells;
}

void ObjectGrid(TForm1& f, const std::string& place, const std::string& target) {
  const std::string where = place == "loc" ? f.Posic : place;
  const DisplayModel model = f.Model();
  const bool screen = NamesSurface(target, SurfaceId::Tela);
  if (screen && model == DisplayModel::Typed) return;
  const std::vector<GridCell> cells = GridLayout(f.state, where, f.grid);
  const int cell = CellSize(f.grid);
  if (screen && model == DisplayModel::Page) {
    GridHtml(f, cells, cell);
    return;
  }
  const GridSurface surface = SurfaceOf(f, target);
  for (const GridCell& c : cells) {
    ImageBox picture;
    picture.transparent = true;
    LoadPicture(f, c.picture, picture);
    if (!surface.image) continue;
    const int x = SaturatedInt(int64_t{f.grid.left} + c.x), y = SaturatedInt(int64_t{f.grid.top} + c.y);
    DrawTransparent(*surface.image, picture.picture, x, y, cell, cell);
    LinkRecord& link = f.links.Take(*surface.group);
    link = LinkRecord{};
    link.active = true;
    link.left = x;
    link.top = y;
    link.width = link.height = cell;
    link.cursor = 1;
    link.script = c.key;
  }
}

void CmdDispObj(TForm3& t) {
  TForm1& f = t.f;
  const std::string place = t.arg[0].empty() ? "jog" : t.arg[0];
  const std::string target = t.arg[1].empty() ? Surface(SurfaceId::TelCmd).scriptWord : t.arg[1];
  t.traceLine += place + "," + target;
  ObjectGridSettings& g = f.grid;
  g.left = IntOr(t.arg[2], 0);
  g.top = IntOr(t.arg[3], 0);
  g.width = IntOr(t.arg[4], f.panelBuffer.width());
  g.height = IntOr(t.arg[5], f.panelBuffer.height());
  g.columns = IntOr(t.arg[6], 5);
  // No columns would divide the width by nothing: the default stands in.
  if (g.columns <= 0) g.columns = 5;
  ObjectGrid(f, place, target);
  t.traceLine += "," + IntToStr(g.left) + "," + IntToStr(g.top) + "," + IntToStr(g.width) + "," +
                 IntToStr(g.height) + "," + IntToStr(g.columns);
}

}  // namespace lumora
