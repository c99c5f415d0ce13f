// Clickable areas on the display, the panel and the skin: records, sizes,
// cursors, rotation, drawing, and the page lines of model 2.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/picture_test_files.h"
#include "view/surfaces.h"
#include "view/text_draw.h"

namespace lumora {
namespace {

constexpr QRgb kDoor = 0xFF2040A0;

class LinkCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::Save(testing::Plain(40, 30, kDoor), game.folder() + "porta.png", "PNG"));
    ASSERT_TRUE(testing::Save(testing::Plain(700, 50, kDoor), game.folder() + "largo.png", "PNG"));
  }
  const LinkRecord& At(int slot) const { return s.f.links.records[static_cast<size_t>(slot)]; }
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(LinkCommandsTest, LinkTelPictureTakesItsOwnSizeOrIsStretchedAndGetsItsCursor) {
  const struct {
    const char* line;
    int width, height, cursor;
    const char* script;
  } cases[] = {
      {"lnktel= porta.png,sala,100,50", 40, 30, 1, "sala"},
      {"lnktel= porta.png,,100,50", 40, 30, 0, ""},
      {"linktel= porta.png,sala,100,50,80,0,7", 80, 30, 7, "sala"},
      {"lnktel= porta.png,@norte,100,50", 40, 30, 1, "corredor"},
  };
  for (const auto& c : cases) {
    s.f.exits.norte = "corredor";
    s.f.links.Reset();
    s.Exec({c.line});
    const LinkRecord& r = At(0);
    EXPECT_TRUE(r.active) << c.line;
    EXPECT_EQ(r.width, c.width) << c.line;
    EXPECT_EQ(r.height, c.height) << c.line;
    EXPECT_EQ(r.cursor, c.cursor) << c.line;
    EXPECT_EQ(r.script, c.script) << c.line;
    EXPECT_EQ(s.f.links.nextScreen, 1) << c.line;
  }
  // The last picture stretched to 80 wide: drawn up to x = 179, not beyond.
  EXPECT_EQ(s.f.screenBuffer.pixel(100, 50), kDoor);
  EXPECT_EQ(s.f.screenBuffer.pixel(139, 79), kDoor);
}

TEST_F(LinkCommandsTest, LinkTelWordsSizeTheAreaToThemAndADrawnWordShowsAfterTheRun) {
  s.Run({"lnktel= Abrir,porta,10,10,0,0"});
  const QSize word = MeasureText(MessageFont(s.f), "Abrir");
  EXPECT_EQ(At(0).width, word.width());
  EXPECT_EQ(At(0).height, word.height());
  // White words on the black background.
  bool drawn = false;
  for (int x = 10; x < 10 + word.width() && !drawn; ++x)
    for (int y = 10; y < 10 + word.height() && !drawn; ++y) drawn = qGray(s.f.Tela.picture.pixel(x, y)) > 128;
  EXPECT_TRUE(drawn);
}

TEST_F(LinkCommandsTest, PanelWordsUseTheMessageFontAndSkinWordsTheQuitLabelsInBold) {
  s.f.lbFim.font.name = "Courier New";
  s.f.lbFim.font.size = 20;
  FontSpec skin = s.f.lbFim.font;
  skin.bold = true;
  const struct {
    const char* line;
    int slot;
    FontSpec font;
  } cases[] = {{"lnkfnc= Abrir a porta,x,0,0", 20, MessageFont(s.f)}, {"lnkpan= Abrir a porta,x,0,0", 40, skin}};
  for (const auto& c : cases) {
    s.Exec({c.line});
    const QSize size = MeasureText(c.font, "Abrir a porta");
    EXPECT_EQ(At(c.slot).width, size.width()) << c.line;
    EXPECT_EQ(At(c.slot).height, size.height()) << c.line;
  }
  EXPECT_NE(At(20).width, At(40).width);
}

TEST_F(LinkCommandsTest, LinkTelReportsAMissingPictureAndModel0) {
  EXPECT_EQ(s.Exec({"lnktel= falta.png,sala,1,2"}), "   0: lnktel= falta.png <--- arquivo n\xE3o existe");
  s.Run({"setmode= 0"});
  EXPECT_EQ(s.Exec({"lnktel= porta.png,sala,1,2"}),
            "   0: lnktel= porta.png,sala <--- n\xE3o funciona no modelo \"0\"");
  EXPECT_FALSE(At(0).active);
}

TEST_F(LinkCommandsTest, TheTwentyFirstScreenAreaReplacesSlot0AndTheNextRunClearsThem) {
  StringList lines;
  for (int i = 0; i < 21; ++i) lines.push_back("lnktel= w" + std::to_string(i) + ",s,0,0");
  lines.push_back("lnktel= porta.png,s,0,0,,,,,,");
  game.WriteScript("start", lines);
  RunScript(s.f, "start");
  EXPECT_EQ(At(0).picture, "w20");
  EXPECT_EQ(At(1).picture, "porta.png");
  EXPECT_EQ(At(19).picture, "w19");
  s.Run({"msg= outra"});
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(At(i).active) << i;
}

TEST_F(LinkCommandsTest, SkinAreasGetTheLinkCursorWithAScriptAndSurviveRuns) {
  s.Run({"lnkpan= porta.png,fim,0,0,,,5", "lnkpan= porta.png,,0,0,,,5", "lnkpan= porta.png,,0,0"});
  EXPECT_EQ(At(40).cursor, 1);
  EXPECT_EQ(At(41).cursor, 5);
  EXPECT_EQ(At(42).cursor, 0);
  EXPECT_EQ(s.f.Imp.picture.pixel(5, 5), kDoor);
  s.Run({"msg= outra"});
  EXPECT_TRUE(At(40).active);
  EXPECT_EQ(s.f.links.nextBackground, 40);
  s.Run({"linksoff pan"});
  EXPECT_FALSE(At(40).active);
}

TEST_F(LinkCommandsTest, PanelAndSkinAreasWithAMissingPictureAreMadeAtTheGivenSize) {
  for (const char* keyword : {"lnkfnc= ", "lnkpan= "}) {
    s.f.links.Reset();
    s.Exec({std::string(keyword) + "porta.png,x,0,0"});  // the load buffer now holds a 40 by 30 picture
    const int slot = keyword[3] == 'f' ? 21 : 41;
    const std::string trace = s.Exec({std::string(keyword) + "falta.png,sala,5,6"});
    EXPECT_TRUE(trace.ends_with("falta.png <--- arquivo n\xE3o existe")) << trace;
    const LinkRecord& r = At(slot);
    EXPECT_TRUE(r.active) << keyword;
    EXPECT_EQ(r.width, 0) << keyword;
    EXPECT_EQ(r.height, 0) << keyword;
    s.Exec({std::string(keyword) + "falta.png,sala,5,6,30,20"});
    EXPECT_EQ(At(slot + 1).width, 30) << keyword;
    EXPECT_EQ(At(slot + 1).height, 20) << keyword;
  }
}

TEST_F(LinkCommandsTest, AnUnreadablePictureGivesNoSizeAndDrawsNothing) {
  game.WriteLines("quebrada.gif", {"nada de GIF aqui"});
  for (const char* line : {"lnkfnc= quebrada.gif,x,3,4", "lnktel= quebrada.gif,x,3,4"}) {
    s.f.links.Reset();
    s.Exec({"lnkpan= porta.png,x,0,0"});  // the load buffer now holds a 40 by 30 picture
    s.Exec({line});
    const LinkRecord& r = At(line[3] == 'f' ? 20 : 0);
    EXPECT_TRUE(r.active) << line;
    EXPECT_EQ(r.width, 0) << line;
    EXPECT_EQ(r.height, 0) << line;
  }
  EXPECT_NE(s.f.panelBuffer.pixel(3, 4), kDoor);
  EXPECT_NE(s.f.screenBuffer.pixel(3, 4), kDoor);
}

TEST_F(LinkCommandsTest, SynonymsMakeTheSameArea) {
  const std::pair<const char*, const char*> pairs[] = {
      {"linktel= porta.png,sala,7,8,,,3,p.png,s.wav", "lnktel= porta.png,sala,7,8,,,3,p.png,s.wav"},
      {"linkfunc= porta.png,sala,7,8,,,3,p.png,s.wav", "lnkfnc= porta.png,sala,7,8,,,3,p.png,s.wav"},
      {"linkpainel= porta.png,,7,8,,,3,p.png,s.wav", "lnkpan= porta.png,,7,8,,,3,p.png,s.wav"},
  };
  for (const auto& [longer, shorter] : pairs) {
    s.f.links = LinkTable{};
    s.Exec({longer});
    const LinkTable first = s.f.links;
    s.f.links = LinkTable{};
    s.Exec({shorter});
    for (int i = 0; i < 100; ++i) {
      const LinkRecord &a = first.records[static_cast<size_t>(i)], &b = At(i);
      EXPECT_EQ(std::tie(a.active, a.left, a.top, a.width, a.height, a.cursor, a.picture, a.script, a.pressed, a.sound),
                std::tie(b.active, b.left, b.top, b.width, b.height, b.cursor, b.picture, b.script, b.pressed, b.sound))
          << longer << " slot " << i;
    }
    EXPECT_TRUE(first.records[0].active || first.records[20].active || first.records[40].active) << longer;
  }
}

TEST_F(LinkCommandsTest, PanelAreasNeedTheShownPanelAndNumbers) {
  s.Exec({"lnkfnc= porta.png,x,3,4"});
  EXPECT_EQ(At(20).left, 3);
  EXPECT_EQ(s.f.panelBuffer.pixel(3, 4), kDoor);
  s.f.Abok2.visible = false;
  s.Exec({"lnkfnc= porta.png,x,3,4"});
  EXPECT_FALSE(At(21).active);
  for (const char* line : {"lnkpan= a,x,dez,0", "lnkpan= a,,0,0,0,0,k", "lnktel= a,x,0,0,0,0,k"})
    EXPECT_THROW(s.Exec({line}), ScriptError) << line;
  EXPECT_NO_THROW(s.Exec({"lnkpan= a,x,0,0,0,0,k"}));  // with a script the kind is 1 whatever was given
}

TEST_F(LinkCommandsTest, Model2WritesImagesAndWordsIntoThePage) {
  s.f.Abok1.width = 596;
  const std::string url = s.f.gameFolderUrl;
  const struct {
    const char* line;
    std::string want;
  } cases[] = {
      {"lnktel= porta.png,sala", "<a href=Scp=sala><img src=" + url + "porta.png width=40 height=30 border=0 ></a>"},
      {"lnktel= largo.png,sala", "<a href=Scp=sala><img src=" + url + "largo.png width=596 border=0 ></a>"},
      {"lnktel= porta.png,sala,200,100,center",
       "<div align=center><a href=Scp=sala><img src=" + url + "porta.png width=200 height=100 border=0 ></div></a>"},
      {"lnktel= porta.png,,,,left", "<img src=" + url + "porta.png width=40 height=30 border=0 align=left>"},
      {"lnktel= Ir~embora,sala",
       "<font face=Arial color=#FFFFFF style=\"Font-Size:12\"><a href=Scp=sala>Ir&nbsp;embora</font></a>"},
  };
  s.f.Modelo = "2";
  for (const auto& c : cases) {
    s.f.page.lines.clear();
    s.Exec({c.line});
    ASSERT_EQ(s.f.page.lines.size(), 1u) << c.line;
    EXPECT_EQ(s.f.page.lines[0], c.want) << c.line;
  }
  EXPECT_FALSE(At(0).active);
}

TEST_F(LinkCommandsTest, Model3AreasUseTheModel3SlotsAndUnderlineTheirWords) {
  s.Run({"setmode= 3", "lnktel= porta.png,sala,10,20", "lnktel= Ver,sala,10,100"});
  EXPECT_EQ(At(60).width, 40);
  EXPECT_EQ(At(60).height, 30);
  EXPECT_EQ(At(61).picture, "Ver");
  EXPECT_EQ(s.f.TelMod3.picture.pixel(15, 25), kDoor);
  // The underline in the visited colour (C0C0C0) at top + 12 + 6 - 1.
  EXPECT_EQ(s.f.TelMod3.picture.pixel(11, 117) & 0xFFFFFF, 0xC0C0C0u);
}

}  // namespace
}  // namespace lumora
