// Pictures and objects on a surface: "display" with a picture in each model,
// "hud=" and its quirks, "showobj=" per model.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/picture_test_files.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

QRgb At(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

class DisplayPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A 20 by 10 red picture with a magenta left half, and a blue square.
    QImage pic = testing::Plain(20, 10, 0xFFFF0000);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) pic.setPixel(x, y, 0xFFFF00FF);
    ASSERT_TRUE(testing::Save(pic, game.folder() + "sala.bmp", "BMP"));
    ASSERT_TRUE(testing::Save(testing::Plain(6, 6, 0xFF0000FF), game.folder() + "hud.bmp", "BMP"));
  }
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(DisplayPictureTest, PicturesOnEachSurfaceInTheirOwnSizeOrStretched) {
  EXPECT_EQ(s.Exec({"display= sala.bmp,tel"}), "   0: display= sala.bmp,tel,0,0,0,0");
  EXPECT_EQ(At(s.f.screenBuffer, 19, 9), 0xFF0000u);
  EXPECT_EQ(At(s.f.screenBuffer, 5, 5), 0x000000u);  // magenta left out
  EXPECT_EQ(At(s.f.screenBuffer, 20, 9), 0x000000u);
  s.Exec({"display sala.bmp,fnc,100,50,40,20"});
  EXPECT_EQ(At(s.f.panelBuffer, 139, 69), 0xFF0000u);
  EXPECT_EQ(At(s.f.panelBuffer, 140, 69), 0x000000u);
  s.f.Imp.picture = FilledImage(200, 100, 0x00FF00);
  s.Exec({"display= sala.bmp,pan,x,5"});
  EXPECT_EQ(At(s.f.Imp.picture, 15, 5), 0xFF0000u);
  EXPECT_EQ(At(s.f.Imp.picture, 15, 4), 0x00FF00u);
}

TEST_F(DisplayPictureTest, FailuresAreTracedAndDrawNothing) {
  const QImage before = s.f.screenBuffer;
  EXPECT_EQ(s.Exec({"display= nada.bmp,tel"}), "   0: display= nada.bmp <--- arquivo inexistente!");
  EXPECT_EQ(s.Exec({"display= sala.bmp,mesa,1,2"}), "   0: display= sala.bmp,mesa <--- n\xE3o indicou o local tel/fnc/tel!");
  EXPECT_EQ(s.f.screenBuffer, before);
  s.f.Modelo = "0";
  EXPECT_EQ(s.Exec({"display= sala.bmp,tel,1,2"}), "   0: display= sala.bmp,tel,1,2,0,0");
  EXPECT_EQ(s.f.screenBuffer, before);
}

TEST_F(DisplayPictureTest, ModelTwoWritesAnImageLine) {
  s.f.Modelo = "2";
  const std::string img = "<img src=" + s.f.gameFolderUrl + "sala.bmp";
  const struct {
    const char* line;
    std::string html;
  } cases[] = {
      {"display= sala.bmp,tel,10,20", img + " width=20 height=10 border=0 >"},
      {"display= sala.bmp,tel,0,0,60,,left", img + " width=60 height=10 border=0 align=left>"},
      {"display= sala.bmp,tel,0,0,,30,right", img + " width=20 height=30 border=0 align=right>"},
      {"display= sala.bmp,tel,0,0,,,center", "<div align=center>" + img + " width=20 height=10 border=0 ></div>"},
  };
  for (const auto& c : cases) {
    s.f.page.lines.clear();
    s.Exec({c.line});
    EXPECT_EQ(s.f.page.lines, StringList{c.html}) << c.line;
  }
}

TEST_F(DisplayPictureTest, ModelThreeDrawsAtTheTextPositionAndMovesItDown) {
  s.f.Modelo = "3";
  s.f.TelMod3.picture = FilledImage(s.f.TelMod3.width, s.f.TelMod3.height, 0xFFFFFF);
  s.f.textX = 30;
  s.f.textY = 40;
  s.Exec({"display= sala.bmp,tel,5,0"});
  EXPECT_EQ(At(s.f.TelMod3.picture, 35 + 19, 40 + 9), 0xFF0000u);
  EXPECT_EQ(At(s.f.TelMod3.picture, 35 + 19, 40 + 10), 0xFFFFFFu);
  EXPECT_EQ(s.f.textY, 50);
}

TEST_F(DisplayPictureTest, HudCases) {
  const struct {
    const char* model;
    const char* line;
    const char* trace;
    int shown, x, y;
  } cases[] = {
      {"1", "hud=", " <--- falta par\xE2metro", 0, 0, 0},
      {"1", "hud= 10,20", "10 <--- n\xE3o tem arquivo hud instalado", 0, 0, 0},
      {"1", "hud= nada.bmp", "nada.bmpnada.bmp <--- n\xE3o existe este arquivo", 0, 0, 0},
      {"2", "hud= hud.bmp,30", "hud.bmp", 0, 0, 0},  // loaded, but nothing more outside model 1
      {"2", "hud= 10,20", "10", 0, 0, 0},
      {"1", "hud= 10,20", "1010,20", 0, 10, 20},
      {"1", "hud= on", "onon", 1, 10, 20},
      {"1", "hud= hud.bmp,40", "hud.bmp0,40", 1, 0, 40},  // a name also moves the hud
      {"1", "hud= off", "", 0, 0, 40},
  };
  for (const auto& c : cases) {
    s.f.Modelo = c.model;
    EXPECT_EQ(s.Exec({c.line}), std::string("   0: hud= ") + c.trace) << c.line;
    EXPECT_EQ(s.f.Hud.tag, c.shown) << c.line;
    EXPECT_EQ(s.f.hudX, c.x) << c.line;
    EXPECT_EQ(s.f.hudY, c.y) << c.line;
  }
}

TEST_F(DisplayPictureTest, TheHudIsDrawnAtOnceAndAtTheEndOfEveryRun) {
  game.WriteScript("start", {"hud= hud.bmp", "hud= 50,60", "hud= on"});
  game.WriteScript("sala", {"cleartela"});
  RunScript(s.f, "start");
  EXPECT_EQ(At(s.f.Tela.picture, 55, 65), 0x0000FFu);
  RunScript(s.f, "sala");  // the screen cleared, the hud drawn again over it
  EXPECT_EQ(At(s.f.Tela.picture, 55, 65), 0x0000FFu);
  EXPECT_EQ(At(s.f.Tela.picture, 45, 65), 0x000000u);
}

class ShowObjTest : public DisplayPictureTest {
 protected:
  void SetUp() override {
    DisplayPictureTest::SetUp();
    for (const std::string& line : StringList{"lamp", "a l\xE2mpada", "Uma^ l\xE2mpada~acesa", "jog", "sala.bmp", "", "", ""})
      s.f.state.objectTable.push_back(line);
    s.f.state.objs.push_back("lamp");
  }
};

TEST_F(ShowObjTest, NameOnTheScreenClippedAndInTheGivenColour) {
  EXPECT_THROW(s.Exec({"showobj= lamp,tit,tel,10,10,200,30"}), ScriptError);
  s.f.screenBuffer.fill(0xFF000000);
  s.Exec({"showobj= lamp,tit,tel,10,10,30,8,10,FF0000"});
  QRect ink;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 300; ++x)
      if (At(s.f.screenBuffer, x, y) != 0) {
        EXPECT_GT(qRed(s.f.screenBuffer.pixel(x, y)), 0);
        ink |= QRect(x, y, 1, 1);
      }
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(10, 10, 30, 8).contains(ink)) << ink.right() << "," << ink.bottom();
  EXPECT_EQ(s.f.screenFont.size, s.f.message.fontSize);
  EXPECT_EQ(s.f.screenFont.color, 0xFFFFFFu);  // the text colour again
}

TEST_F(ShowObjTest, PerModel) {
  s.Exec({"showobj= lamp,tit,msg"});
  s.Exec({"showobj= lamp,dsc,tel"});
  EXPECT_EQ(s.f.Msg.text, "a l\xE2mpada\r\nUma, l\xE2mpada acesa\r\n");
  s.Exec({"showobj= lamp,shp,fnc,10,10"});
  EXPECT_EQ(At(s.f.panelBuffer, 189, 189 - 90), 0xFF0000u);  // stretched to 180 by 180
  EXPECT_EQ(At(s.f.panelBuffer, 50, 50), 0x000000u);         // the magenta half left out
  s.Exec({"showobj= ninguem,tit,msg"});
  EXPECT_EQ(s.f.Msg.text, "a l\xE2mpada\r\nUma, l\xE2mpada acesa\r\n");

  s.f.Modelo = "2";
  s.f.page.lines.clear();
  s.Exec({"showobj= lamp,tit,msg,x,00FF00"});
  s.Exec({"showobj= lamp,dsc"});
  s.Exec({"showobj= lamp,shp,tel,left,,90"});
  EXPECT_EQ(s.f.page.lines,
            (StringList{"<font color=#00FF00 style=\"font-size:1.3em; \">a l\xE2mpada</font>",
                        "Uma, l\xE2mpada&nbsp;acesa<br>",
                        "<img src=" + s.f.gameFolderUrl + "sala.bmp width=90 height=180 border=0 align=left>"}));

  s.f.Modelo = "0";
  s.f.typingDelay = 0;
  s.Exec({"showobj= lamp,dsc"});
  EXPECT_EQ(s.f.MsgMd0.text, "Uma, l\xE2mpada acesa\r\n");
  s.f.Modelo = "3";
  s.f.Memo3.text.clear();
  s.Exec({"showobj= lamp,dsc"});
  EXPECT_EQ(s.f.Memo3.text, "");
}

}  // namespace
}  // namespace lumora
