// The object grid: its cells and rows, the clickable areas it fills in each
// slot group, its pictures, the model-2 HTML, and the column count's default.
#include <gtest/gtest.h>

#include <set>

#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/object_grid.h"
#include "view/picture_test_files.h"

namespace lumora {
namespace {

class ObjectGridTest : public ::testing::Test {
 protected:
  // Objects "o1" .. "oN" at `place`, each with the picture "o.bmp".
  void AddObjects(int n, const std::string& place, const std::string& picture = "o.bmp") {
    for (int i = 1; i <= n; ++i) {
      const std::string key = "o" + std::to_string(s.f.state.objs.size() + 1);
      for (const std::string& line : StringList{key, "nome " + key, "", place, picture, "", "", ""})
        s.f.state.objectTable.push_back(line);
      s.f.state.objs.push_back(key);
    }
  }
  std::vector<const LinkRecord*> Active(const SlotGroup& g) const {
    std::vector<const LinkRecord*> out;
    for (int i = g.first; i <= g.last; ++i)
      if (s.f.links.records[static_cast<size_t>(i)].active) out.push_back(&s.f.links.records[static_cast<size_t>(i)]);
    return out;
  }

  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(ObjectGridTest, TwelveObjectsInFiveColumnsFillTwoRowsAndTwoCells) {
  AddObjects(12, "sala");
  AddObjects(3, "jog");  // elsewhere: not in the grid
  const std::vector<GridCell> cells = GridLayout(s.f.state, "sala", {0, 0, 200, 266, 5});
  ASSERT_EQ(cells.size(), 12u);
  std::vector<int> perRow(3);
  for (const GridCell& c : cells) {
    ASSERT_EQ(c.x % 40, 0);
    ASSERT_EQ(c.y % 40, 0);
    ++perRow.at(static_cast<size_t>(c.y / 40));
  }
  EXPECT_EQ(perRow, (std::vector<int>{5, 5, 2}));
  EXPECT_TRUE(cells[4].rowEnds && cells[9].rowEnds);
  EXPECT_FALSE(cells[11].rowEnds);
  EXPECT_EQ(cells[5].x, 0);
  EXPECT_EQ(cells[11].x, 40);
  // Rows below the grid's height are left out.
  EXPECT_EQ(GridLayout(s.f.state, "sala", {0, 0, 200, 80, 5}).size(), 10u);
  EXPECT_EQ(GridLayout(s.f.state, "sala", {0, 0, 200, 81, 5}).size(), 12u);
  EXPECT_TRUE(GridLayout(s.f.state, "sala", {0, 0, 200, 266, 0}).empty());
}

TEST_F(ObjectGridTest, CellsBecomePanelAreasThatRunTheObjectsScripts) {
  ASSERT_TRUE(testing::Save(testing::Plain(8, 8, 0xFFFF0000), game.folder() + "o.bmp", "BMP"));
  AddObjects(4, "jog");
  EXPECT_EQ(s.Exec({"dispobj="}), "   0: dispobj= jog,fnc,0,0,210,266,5");
  const auto links = Active(kPanelSlots);
  ASSERT_EQ(links.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(links[i]->script, "o" + std::to_string(i + 1));
    EXPECT_EQ(links[i]->left, 42 * static_cast<int>(i));
    EXPECT_EQ(links[i]->top, 0);
    EXPECT_EQ(links[i]->width, 42);
    EXPECT_EQ(links[i]->height, 42);
    EXPECT_EQ(links[i]->cursor, 1);
    EXPECT_EQ(links[i]->picture, "");
  }
  // Each picture is stretched into its cell of the panel buffer.
  EXPECT_EQ(s.f.panelBuffer.pixel(3 * 42 + 41, 41) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(s.f.panelBuffer.pixel(4 * 42 + 1, 1) & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(s.f.panelBuffer.pixel(1, 42) & 0xFFFFFF, 0x000000u);
}

TEST_F(ObjectGridTest, TheScreenSlotsWrapAfterTwenty) {
  AddObjects(25, "sala");
  s.f.Posic = "sala";
  s.Exec({"displayobjetos= loc,tel,10,20,100,500,5"});
  const auto links = Active(kScreenSlots);
  ASSERT_EQ(links.size(), 20u);
  // The 21st object took slot 0 again, in the fifth row.
  EXPECT_EQ(links[0]->script, "o21");
  EXPECT_EQ(links[0]->left, 10);
  EXPECT_EQ(links[0]->top, 20 + 4 * 20);
  EXPECT_EQ(links[5]->script, "o6");
  EXPECT_TRUE(Active(kPanelSlots).empty());
  s.Exec({"dispobj= sala,pan,0,0,100,100,5"});
  EXPECT_EQ(Active(kBackgroundSlots).size(), 20u);
}

TEST_F(ObjectGridTest, NoColumnsOrTooFewReadAsFive) {
  AddObjects(6, "jog");
  for (const char* columns : {"0", "-3", "x", ""}) {
    s.f.links.Reset();
    EXPECT_EQ(s.Exec({std::string("dispobj= jog,fnc,0,0,100,100,") + columns}), "   0: dispobj= jog,fnc,0,0,100,100,5");
    ASSERT_EQ(Active(kPanelSlots).size(), 6u) << columns;
    EXPECT_EQ(Active(kPanelSlots)[5]->top, 20) << columns;
  }
}

TEST_F(ObjectGridTest, ModelTwoWritesLinkedPicturesAndModelZeroNothing) {
  AddObjects(6, "jog", "caixa.png");
  s.f.Modelo = "2";
  s.f.page.lines.clear();
  s.Exec({"dispobj= jog,tel,5,6,100,300,5"});
  const std::string img = "<img src=" + s.f.gameFolderUrl + "caixa.png width=20 height=20 border=0></a>";
  StringList want = {"<div style=\"width:100px; height:300px; position:absolute; top:6px; left:5px;\">"};
  for (int i = 1; i <= 6; ++i) {
    want.push_back("<a href=Scp=o" + std::to_string(i) + ">");
    want.push_back(img);
    if (i == 5) want.push_back("<br>");
  }
  want.push_back("</div>");
  EXPECT_EQ(s.f.page.lines, want);
  EXPECT_TRUE(Active(kScreenSlots).empty());
  s.f.Modelo = "0";
  s.f.page.lines.clear();
  s.Exec({"dispobj= jog,tel"});
  EXPECT_TRUE(s.f.page.lines.empty());
  EXPECT_TRUE(Active(kScreenSlots).empty());
}

}  // namespace
}  // namespace lumora
