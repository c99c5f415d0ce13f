// The box text renderer: tokens, wrapping, links and their slots, page growth,
// the text position after drawing, and the commands that use it ("btxt=",
// "display=" with a text).
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/script_error.h"
#include "form/link_table.h"
#include "script/run_script.h"
#include "view/box_text.h"
#include "view/canvas3.h"
#include "view/surfaces.h"
#include "view/text_draw.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

using Tokens = std::vector<std::string>;

BoxText Box(std::string text, int x, int y, int width = 0, int height = 0) {
  BoxText box;
  box.text = std::move(text);
  box.x = x;
  box.y = y;
  box.width = width;
  box.height = height;
  return box;
}

TEST(CutBoxText, WordsBreaksAndLinks) {
  const struct {
    const char* text;
    Tokens tokens;
  } cases[] = {
      {"Um \xA7\xA7" "dois fim", {"Um ", "\xA7", "\xA7", "dois ", "fim"}},
      {"Um \xA7\xA7" "dois", {"Um ", "\xA7\xA7" "dois"}},  // the last word is not taken apart
      {"a\xA7" "b", {"a\xA7" "b"}},
      {"Veja @a porta|abrir| agora", {"Veja ", "@a porta|abrir", " ", "agora"}},
      {"@porta|abrir|.", {"@porta|abrir", "."}},  // what follows a last link is kept
      {"ir @sem fim|x", {"ir ", "@sem fim|x"}},    // no closing bar: the reference runs to the end
      {"a  b", {"a ", " ", "b"}},
  };
  for (const auto& c : cases) EXPECT_EQ(CutBoxText(c.text), c.tokens) << c.text;
}

// A game in model 3 with a monospaced 12-point message font: lines are 18
// pixels apart.
class BoxTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.Exec({"setmode= 3"});
    s.f.message.fontName = "Courier New";
  }
  FontSpec Font(int size = 12) const {
    FontSpec font;
    font.name = "Courier New";
    font.size = size;
    return font;
  }
  int Width(std::string_view text) const { return MeasureText(Font(), text).width(); }
  // The 18-pixel lines of the page, counted from y, that hold ink.
  std::set<int> InkLines(int y) const {
    std::set<int> lines;
    const QImage& img = s.f.TelMod3.picture;
    for (int row = y; row < s.f.TelMod3.height; ++row)
      for (int x = 0; x < s.f.TelMod3.width; ++x)
        if ((img.pixel(x, row) & 0xFFFFFF) != 0) lines.insert((row - y) / 18);
    return lines;
  }
  std::vector<const LinkRecord*> ActiveLinks() const {
    std::vector<const LinkRecord*> out;
    for (int i = kModel3Slots.first; i <= kModel3Slots.last; ++i)
      if (s.f.links.records[static_cast<size_t>(i)].active) out.push_back(&s.f.links.records[static_cast<size_t>(i)]);
    return out;
  }
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(BoxTextTest, LineBreaksAndTheTextPositionAfterDrawing) {
  const struct {
    const char* text;
    std::set<int> lines;
    int textY;
  } cases[] = {
      {"Um \xA7\xA7" "dois fim", {0, 2}, 10 + 3 * 18},
      {"Um \xA7\xA7" "dois", {0}, 10 + 18},
      {"a\xA7" "b", {0}, 10 + 18},
      {"fim \xA7", {0}, 10 + 2 * 18},  // a lone last break is a final line break
      {"", {0}, 10 + 18},              // "Sem texto."
  };
  for (const auto& c : cases) {
    s.Exec({"setmode= 3"});
    DrawBoxText(s.f, BoxSurface::TelMod3, Box(c.text, 5, 10));
    EXPECT_EQ(InkLines(10), c.lines) << c.text;
    EXPECT_EQ(s.f.textY, c.textY) << c.text;
  }
}

TEST_F(BoxTextTest, LinksAreAreasOfTheirCaptionsAndWrapWhole) {
  const int w = Width("Veja ") + Width("a porta") + 5;  // the caption just fits, or wants 5 more
  const struct {
    int width;
    int left, top;
  } cases[] = {
      {w, 5 + Width("Veja "), 10},
      {w - 10, 5, 10 + 18},  // it moves whole to the next line: one area, there
  };
  for (const auto& c : cases) {
    s.Exec({"setmode= 3"});
    DrawBoxText(s.f, BoxSurface::TelMod3, Box("Veja @a porta|abrir| agora", 5, 10, c.width));
    const auto links = ActiveLinks();
    ASSERT_EQ(links.size(), 1u) << c.width;
    EXPECT_EQ(links[0]->left, c.left);
    EXPECT_EQ(links[0]->top, c.top);
    EXPECT_EQ(links[0]->width, Width("a porta"));
    EXPECT_EQ(links[0]->height, MeasureText(Font(), "a porta").height());
    EXPECT_EQ(links[0]->script, "abrir");
    EXPECT_EQ(links[0]->picture, "a porta");
    EXPECT_EQ(links[0]->cursor, 1);
    EXPECT_TRUE(links[0]->pressed.empty() && links[0]->sound.empty());
    // The caption in the link colour, the underline in the visited-link colour.
    const QImage& img = s.f.TelMod3.picture;
    bool yellow = false;
    for (int y = c.top; y < c.top + 18; ++y)
      for (int x = c.left; x < c.left + links[0]->width; ++x) yellow |= (img.pixel(x, y) & 0xFFFFFF) == 0xFFFF00;
    EXPECT_TRUE(yellow);
    for (int x = c.left; x < c.left + links[0]->width; ++x)
      ASSERT_EQ(img.pixel(x, c.top + 18) & 0xFFFFFF, 0xC0C0C0u) << x;
    EXPECT_NE(img.pixel(c.left + links[0]->width, c.top + 18) & 0xFFFFFF, 0xC0C0C0u);
  }
}

TEST_F(BoxTextTest, WordsWrapBeforeTheyWouldEndBeyondTheBox) {
  // Width 200, size 12: as many "palavra " as fit whole, then the next line.
  const int perLine = 200 / Width("palavra ");
  std::string text;
  for (int i = 0; i < 2 * perLine; ++i) text += "@palavra|p| ";
  DrawBoxText(s.f, BoxSurface::TelMod3, Box(text, 0, 0, 200));
  std::map<int, int> rightmost;
  for (const LinkRecord* r : ActiveLinks()) rightmost[r->top] = std::max(rightmost[r->top], r->left + r->width);
  // Each line ends within the box, and the next word would not have fitted.
  for (const auto& [top, right] : rightmost) {
    EXPECT_LE(right + Width(" "), 200) << top;
    EXPECT_GT(right + Width(" ") + Width("palavra"), 200) << top;
  }
  EXPECT_EQ(rightmost.begin()->first, 0);
  EXPECT_EQ(std::next(rightmost.begin())->first, 18);
}

// Only the model-3 page breaks lines at "§"; the other surfaces draw it.
TEST_F(BoxTextTest, SlotsOfEachSurfaceWrapAroundInTheirGroup) {
  const struct {
    BoxSurface surface;
    SlotGroup group;
    int LinkTable::*counter;
    int secondTop;
  } cases[] = {
      {BoxSurface::TelMod3, kModel3Slots, &LinkTable::nextModel3, 18},
      {BoxSurface::Tela, kScreenSlots, &LinkTable::nextScreen, 0},
      {BoxSurface::TelCmd, kPanelSlots, &LinkTable::nextPanel, 0},
      {BoxSurface::Imp, kBackgroundSlots, &LinkTable::nextBackground, 0},
  };
  for (const auto& c : cases) {
    s.f.links.*c.counter = c.group.last;
    DrawBoxText(s.f, c.surface, Box("@um|a| \xA7 @dois|b|", 0, 0));
    EXPECT_EQ(s.f.links.records[static_cast<size_t>(c.group.last)].script, "a") << "slots from " << c.group.first;
    EXPECT_EQ(s.f.links.records[static_cast<size_t>(c.group.first)].script, "b") << "slots from " << c.group.first;
    EXPECT_EQ(s.f.links.*c.counter, c.group.first + 1) << "slots from " << c.group.first;
    EXPECT_EQ(s.f.links.records[static_cast<size_t>(c.group.first)].top, c.secondTop) << "slots from " << c.group.first;
  }
}

TEST_F(BoxTextTest, StyleLettersSetTheFontAndTheBuffersKeepIt) {
  const struct {
    const char* style;
    bool bold, italic, underline;
  } cases[] = {
      {"bIU", false, true, true}, {"BIU", true, true, true}, {"biu", false, false, false},
      {"", false, false, false},  {"B", true, false, false},
  };
  const FontSpec canvasFont = s.f.canvas3Font;
  for (const auto& c : cases) {
    BoxText box = Box("texto", 0, 0);
    box.style = c.style;
    box.size = 20;
    DrawBoxText(s.f, BoxSurface::TelMod3, box);
    for (const FontSpec* font : {&s.f.screenFont, &s.f.panelFont}) {
      EXPECT_EQ(font->bold, c.bold) << c.style;
      EXPECT_EQ(font->italic, c.italic) << c.style;
      EXPECT_EQ(font->underline, c.underline) << c.style;
      EXPECT_EQ(font->size, 20);
    }
    // The page's own font comes back.
    EXPECT_EQ(s.f.canvas3Font.size, canvasFont.size);
    EXPECT_EQ(s.f.canvas3Font.italic, canvasFont.italic);
  }
  // What is drawn is in that style: "bIU" looks as italic underlined text does.
  s.Exec({"setmode= 3"});
  BoxText box = Box("Texto", 0, 0);
  box.style = "bIU";
  DrawBoxText(s.f, BoxSurface::TelMod3, box);
  QImage expected = FilledImage(s.f.TelMod3.picture.width(), s.f.TelMod3.picture.height(), 0);
  FontSpec font = Font();
  font.color = 0xFFFFFF;
  font.italic = font.underline = true;
  DrawTextTransparent(expected, 0, 0, font, "Texto");
  EXPECT_EQ(s.f.TelMod3.picture.copy(0, 0, 100, 18), expected.copy(0, 0, 100, 18));
}

TEST_F(BoxTextTest, ThePageGrowsWithTheTextUpToItsLimit) {
  const int before = s.f.TelMod3.height;
  std::string text;
  for (int i = 0; i < 60; ++i) text += "linha \xA7";
  DrawBoxText(s.f, BoxSurface::TelMod3, Box(text, 0, 0));
  EXPECT_GT(s.f.TelMod3.height, before);
  EXPECT_GE(s.f.TelMod3.height, s.f.textY - 18);
  // Near the limit: the page stops there, and a word wider than the box is
  // drawn on a line of its own rather than looping.
  s.f.TelMod3.width = 40;  // a narrow page: a tall one costs less
  s.f.textY = kMaxCanvas3Height - 20;
  DrawBoxText(s.f, BoxSurface::TelMod3, Box("@larguissima|a| @b|b| \xA7 c d e f", 0, -1, 3, 10));
  EXPECT_EQ(s.f.TelMod3.height, kMaxCanvas3Height);
  const auto links = ActiveLinks();
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0]->top, kMaxCanvas3Height - 20);  // no empty line before it
  EXPECT_EQ(links[1]->top, kMaxCanvas3Height - 20 + 2 * 18);  // past the blank on its own line
}

// A new run gives the page its configured height again; what the last run
// drew below it must not come back when the page grows once more.
TEST_F(BoxTextTest, APageGrownAgainInANewRunStartsBlank) {
  game.WriteScript("desce", {"lnfeed= 900"});
  const int configured = s.f.TelMod3.height;
  std::string text;
  for (int i = 0; i < 60; ++i) text += "linha \xA7";
  DrawBoxText(s.f, BoxSurface::TelMod3, Box(text, 0, 0));
  ASSERT_FALSE(InkLines(configured).empty());
  RunScript(s.f, "desce");
  EXPECT_EQ(s.f.TelMod3.height, 900);
  EXPECT_FALSE(InkLines(0).empty());  // what lay on the page's first screen stays
  EXPECT_TRUE(InkLines(configured).empty());
}

TEST_F(BoxTextTest, TheTextBufferIsDrawnWithItsLinesApart) {
  s.f.Memo3.text = "@um|a|\r\n@dois|b|\r\n";
  DrawBoxText(s.f, BoxSurface::TelMod3, Box("$", 0, 0));
  const auto links = ActiveLinks();
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[1]->script, "b");
  EXPECT_EQ(links[1]->left, Width("um") + Width(" "));  // one blank between the lines
}

TEST_F(BoxTextTest, ABackgroundPaintsTheBoxOnThePageAndOnBothBuffers) {
  // Kept on purpose: games have relied on a box text clearing a stripe of the
  // screen and panel buffers too.
  s.f.screenBuffer.fill(0x00FF00);
  s.f.panelBuffer.fill(0x00FF00);
  BoxText box = Box("x", 10, 20, 30, 5);
  box.background = "0000FF";
  DrawBoxText(s.f, BoxSurface::TelMod3, box);
  for (const QImage* img : {&s.f.TelMod3.picture, &s.f.screenBuffer, &s.f.panelBuffer}) {
    EXPECT_EQ(img->pixel(39, 24) & 0xFFFFFF, 0x0000FFu);
    EXPECT_NE(img->pixel(40, 24) & 0xFFFFFF, 0x0000FFu);
    EXPECT_NE(img->pixel(39, 25) & 0xFFFFFF, 0x0000FFu);
  }
}

TEST_F(BoxTextTest, BoxTextCommandTracesItsArgumentsAndDefaults) {
  s.f.textX = 30;
  s.f.textY = 40;
  const std::string w = std::to_string(s.f.TelMod3.width - 30), h = std::to_string(s.f.TelMod3.height - 40);
  const std::string W = std::to_string(s.f.TelMod3.width), H = std::to_string(s.f.TelMod3.height);
  const struct {
    const char* line;
    std::string trace;
  } cases[] = {
      {"btxt= Ol\xE1 mundo", "   0: btxt= Ol\xE1 m,30,40," + w + "," + h + ",FFFFFF,biu,000000,12"},
      {"boxtexto= a,$,5,x,y,FF0000,B,0000FF,x", "   0: boxtexto= a,30,5," + W + "," + H + ",FF0000,B,0000FF,12"},
      {"btxt= a,x,,100,20,,,,9", "   0: btxt= a,0,40,100,20,FFFFFF,biu,000000,9"},
  };
  for (const auto& c : cases) {
    s.f.textY = 40;
    EXPECT_EQ(s.Exec({c.line}), c.trace);
  }
  // In model 1 too, and the text position moves below the text.
  s.Exec({"setmode= 1"});
  s.f.textY = 0;
  s.Exec({"btxt= um,0,0"});
  EXPECT_EQ(s.f.textY, 18);
  EXPECT_THROW(s.Exec({"btxt= um,0,0,,,ZZZZZZ"}), ScriptError);
}

TEST_F(BoxTextTest, DisplayTextsInEachModel) {
  s.f.textX = 30;
  const std::string page3 = std::to_string(s.f.TelMod3.width - 30 - 10);
  const std::string screen = std::to_string(s.f.screenBuffer.width() - 10);
  const struct {
    const char* model;
    const char* line;
    std::string trace;
  } cases[] = {
      {"3", "display= Ol\xE1 mundo,tel,10,20", "   0: display= Ol\xE1 m,tel,10,2010,20," + page3 + ",12,,,"},
      {"1", "display= Ol\xE1,tel,10,20,,,14,FF0000,B", "   0: display= Ol\xE1,tel,10,2010,20," + screen + ",14,14,FF0000,B"},
      {"1", "display= ,tel", "   0: display=  <--- texto/frase inexistente!"},
      {"1", "display= Ol\xE1,mesa", "   0: display= Ol\xE1,mesa <--- n\xE3o indicou o local tel/fnc/tel!"},
      {"2", "display= Ol\xE1,tel,1,2,,,14,,BxU", "   0: display= Ol\xE1,tel,1,21,2,,,14,,BxU"},
  };
  for (const auto& c : cases) {
    s.f.Modelo = c.model;
    EXPECT_EQ(s.Exec({c.line}), c.trace) << c.line;
  }
  EXPECT_EQ(s.f.page.lines.back(),
            "<font face=MS Sans Serif color=#FFFFFF style=\"font-Size:14px; \"><b><u>Ol\xE1</u></b></font>");
}

TEST_F(BoxTextTest, DisplayTextsLandOnTheirSurfaceNotOffsetByTheTextPosition) {
  const struct {
    const char* model;
    const char* word;
    QImage TForm1::*buffer;
  } cases[] = {
      {"3", "tel", nullptr},
      {"1", "tel", &TForm1::screenBuffer},
      {"1", "fnc", &TForm1::panelBuffer},
  };
  for (const auto& c : cases) {
    s.Exec({std::string("setmode= ") + c.model});
    s.f.textX = s.f.textY = 50;
    s.f.panelBuffer.fill(0x00FF00);
    const std::string line = std::string("display= @porta|abrir|,") + c.word + ",10,20";
    s.Exec({line});
    const SlotGroup& g = c.buffer == &TForm1::panelBuffer ? kPanelSlots
                         : c.buffer ? kScreenSlots : kModel3Slots;
    const LinkRecord& r = s.f.links.records[static_cast<size_t>(g.first)];
    EXPECT_TRUE(r.active) << line;
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    const QImage& img = c.buffer ? s.f.*c.buffer : s.f.TelMod3.picture;
    EXPECT_EQ(img.pixel(10, 20 + 18) & 0xFFFFFF, 0xC0C0C0u) << line;  // the underline, one line below
    // The box of the background colour, as high as the size, stripes the panel buffer too.
    EXPECT_EQ(s.f.panelBuffer.pixel(s.f.panelBuffer.width() - 1, 25) & 0xFFFFFF, 0u) << line;
  }
}

TEST_F(BoxTextTest, ModelThreeGivesTheScrollBoxTheFocus) {
  s.Exec({"setmode= 1"});
  EXPECT_NE(s.f.focus, Focus::Sbox2);
  s.Exec({"setmode= 3"});
  EXPECT_EQ(s.f.focus, Focus::Sbox2);
}

}  // namespace
}  // namespace lumora
