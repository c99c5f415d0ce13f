// Screen settings: the screen buffer's font and colours, configuration lines,
// the vocabulary, typing speed, page height, focus and stacking, the bar,
// the skin, and clearing every surface.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "form/config.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/canvas3.h"
#include "view/picture_test_files.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

QRgb At(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

class ScreenSettingsTest : public ::testing::Test {
 protected:
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(ScreenSettingsTest, DefiniWritesALineInRangeOnly) {
  const int count = static_cast<int>(s.f.config.size());
  const struct {
    std::string line, trace;
    int changed;  // the line that holds "x^y~z" as "x,y z" afterwards, or -1
  } cases[] = {
      {"defini= 44,x^y~z", "44,x,y z", 44},
      {"defini= 0,x^y~z", "0,x,y z", 0},
      {"defini= " + std::to_string(count - 1) + ",x^y~z", std::to_string(count - 1) + ",x,y z", count - 1},
      {"defini= " + std::to_string(count) + ",x^y~z", std::to_string(count) + " <- fora da faixa v\xE1lida", -1},
      {"defini= 9999,x", "9999 <- fora da faixa v\xE1lida", -1},
      {"defini= -1,x", "-1 <- fora da faixa v\xE1lida", -1},
      {"defini= ,x", "-1 <- fora da faixa v\xE1lida", -1},
      {"defini= dez,x", "-1 <- fora da faixa v\xE1lida", -1},
  };
  for (const auto& c : cases) {
    const StringList before = s.f.config;
    EXPECT_EQ(s.Exec({c.line}), "   0: defini= " + c.trace);
    StringList want = before;
    if (c.changed >= 0) want[static_cast<size_t>(c.changed)] = "x,y z";
    EXPECT_EQ(s.f.config, want) << c.line;
    s.f.config = before;
  }
}

TEST_F(ScreenSettingsTest, DefiniTakesEffectAtTheNextScriptStart) {
  game.SetConfig(kInputVisible, "-");
  testing::Session fresh{game};
  game.WriteScript("start", {"defini= 44,*"});
  game.WriteScript("sala", {"/ nada"});
  RunScript(fresh.f, "start");
  EXPECT_FALSE(fresh.f.Input.visible);
  RunScript(fresh.f, "sala");
  EXPECT_TRUE(fresh.f.Input.visible);
}

TEST_F(ScreenSettingsTest, DefcomSetsTheNameEvenWhenTheScriptIsMissing) {
  game.WriteScript("palavras", {"OI|sala"});
  EXPECT_EQ(s.Exec({"defcom= palavras"}), "   0: defcom= palavras");
  EXPECT_EQ(s.f.vocabulary, "palavras");
  EXPECT_EQ(s.Exec({"defcom= nenhum"}), "   0: defcom= nenhum <- script n\xE3o existe");
  EXPECT_EQ(s.f.vocabulary, "nenhum");
}

TEST_F(ScreenSettingsTest, VeltecAndAltura) {
  const struct {
    const char* line;
    int delay;
  } speeds[] = {{"veltec= 0", 0}, {"veltec= 25", 25}, {"veltec= x", 7}, {"veltec=", 0}};
  for (const auto& c : speeds) {
    s.Exec({c.line});
    EXPECT_EQ(s.f.typingDelay, c.delay) << c.line;
  }
  s.f.Sbox2.height = 300;
  const struct {
    const char* line;
    const char* trace;
    int height;
  } heights[] = {
      {"altura= 500", "500", 500},
      {"altura= 100", "100", 100},  // the page may shrink
      {"altura=", "290", 290},
      {"altura= x", "290", 290},
      {"altura= -20", "-20", 0},
      {"altura= 2000000000", "2000000000", kMaxCanvas3Height},
  };
  for (const auto& c : heights) {
    EXPECT_EQ(s.Exec({c.line}), std::string("   0: altura= ") + c.trace) << c.line;
    EXPECT_EQ(s.f.TelMod3.height, c.height) << c.line;
    EXPECT_GE(s.f.TelMod3.picture.height(), std::max(1, c.height));
  }
}

TEST_F(ScreenSettingsTest, TheScreenBufferFontLastsUntilTheNextScript) {
  game.WriteScript("start", {"telacortxt= FF0000", "telacorfnd= 00FF00", "telafntnome= Courier New",
                             "telafntalt= 20"});
  game.WriteScript("sala", {"/ nada"});
  RunScript(s.f, "start");
  EXPECT_EQ(s.f.screenFont.color, 0xFF0000u);
  EXPECT_EQ(s.f.screenBrush, 0x00FF00u);
  EXPECT_EQ(s.f.screenFont.name, "Courier New");
  EXPECT_EQ(s.f.screenFont.size, 20);
  RunScript(s.f, "sala");
  EXPECT_EQ(s.f.screenFont.color, ConfigColour(s.f, kTextColour));
  EXPECT_EQ(s.f.screenFont.size, ConfigInt(s.f, kMessageFontSize));
  EXPECT_EQ(s.f.screenBrush, ConfigColour(s.f, kBackgroundColour));
  for (const char* line : {"telacortxt= verde", "telacorfnd=", "telafntalt= x"})
    EXPECT_THROW(s.Exec({line}), ScriptError) << line;
}

TEST_F(ScreenSettingsTest, SetfocoFocusesRaisesAndBringsTheWindowForward) {
  const int before = s.platform.frontCount;
  EXPECT_EQ(s.Exec({"setfoco= inp"}), "   0: setfoco= inp");
  EXPECT_EQ(s.f.focus, Focus::Input);
  EXPECT_EQ(s.platform.frontCount, before + 1);
  s.Exec({"setfoco= fnc"});
  EXPECT_GT(s.f.Abok2.z, s.f.Abok1.z);
  EXPECT_EQ(s.f.focus, Focus::Form);
  s.Exec({"setfoco= vsr"});
  EXPECT_GT(s.f.Abok1.z, s.f.Abok2.z);
  s.Exec({"setfoco= msg"});  // model 1: the memo of model 0 is not there
  EXPECT_EQ(s.f.focus, Focus::Form);
  s.f.Modelo = "0";
  s.Exec({"setfoco= msg"});
  EXPECT_EQ(s.f.focus, Focus::MsgMd0);
  s.Exec({"setfoco= web"});
  EXPECT_EQ(s.f.focus, Focus::WebB);
  EXPECT_GT(s.platform.webFocusCount, 0);
}

TEST_F(ScreenSettingsTest, BarratopMovesTheTextEachTime) {
  const int height = s.f.MsgMd0.height;
  s.Exec({"barratop"});
  EXPECT_EQ(s.f.MsgMd0.top, 20);
  EXPECT_EQ(s.f.MsgMd0.height, height - 20);
  EXPECT_EQ(s.f.BarraTop.width, s.f.MsgMd0.width);
  EXPECT_EQ(s.f.BarraTop.color, s.f.Input.color);
  s.Exec({"barratop on"});
  EXPECT_EQ(s.f.MsgMd0.height, height - 40);
  s.Exec({"barratop off"});
  s.Exec({"barratop off"});
  EXPECT_EQ(s.f.MsgMd0.top, 5);
  EXPECT_EQ(s.f.MsgMd0.height, height);
  EXPECT_EQ(s.Exec({"barratop meio"}), "   0: barratop meio");
  EXPECT_EQ(s.f.MsgMd0.height, height);
}

TEST_F(ScreenSettingsTest, LoadpainelTakesTheSkinsSizeAndShape) {
  EXPECT_EQ(s.Exec({"loadpainel"}), "   0: loadpainel  <--- n\xE3o informou o nome do arquivo");
  EXPECT_EQ(s.Exec({"loadpainel nada.bmp"}), "   0: loadpainel nada.bmp <--- arquivo n\xE3o existe");
  QImage skin = testing::Plain(40, 30, 0xFF336699);
  for (int y = 0; y < 30; ++y) skin.setPixel(0, y, 0xFFFF00FF);  // the left column cut away
  ASSERT_TRUE(testing::Save(skin, game.folder() + "pele2.bmp", "BMP"));
  s.Exec({"loadpainel pele2.bmp"});
  EXPECT_EQ(s.f.Abok0.width, 40);
  EXPECT_EQ(s.f.Abok0.height, 30);
  EXPECT_EQ(s.f.Imp.width, 40);
  EXPECT_EQ(At(s.f.Imp.picture, 5, 5), 0x336699u);
  EXPECT_TRUE(s.f.shaped);
  EXPECT_FALSE(s.f.shape.contains(QPoint(0, 10)));
  EXPECT_TRUE(s.f.shape.contains(QPoint(1, 10)));
  // A file that is no picture changes nothing: not the size, not the skin.
  game.WriteLines("ruim.bmp", {"not a picture"});
  s.Exec({"loadpainel ruim.bmp"});
  EXPECT_EQ(s.f.Abok0.width, 40);
  EXPECT_EQ(At(s.f.Imp.picture, 5, 5), 0x336699u);
}

TEST_F(ScreenSettingsTest, CleartotalFillsTheShownSurfacesAndLeavesTheBuffers) {
  s.f.message.background = "0000FF";
  s.f.MsgMd0.text = s.f.Msg.text = s.f.Input.text = "texto";
  s.f.screenBuffer.fill(0xFFFF0000);
  s.f.panelBuffer.fill(0xFFFF0000);
  for (ImageBox* box : {&s.f.Tela, &s.f.TelCmd, &s.f.TelMod3, &s.f.Tela3})
    box->picture = FilledImage(box->width, box->height, 0x00FF00);
  s.Exec({"cleartotal"});
  EXPECT_EQ(s.f.MsgMd0.text + s.f.Msg.text + s.f.Input.text, "");
  for (ImageBox* box : {&s.f.Tela, &s.f.TelCmd, &s.f.TelMod3, &s.f.Tela3}) {
    const QImage& p = box->picture;
    EXPECT_EQ(At(p, 0, 0), 0x0000FFu) << box->name;
    EXPECT_EQ(At(p, p.width() - 1, p.height() - 1), 0x0000FFu) << box->name;
  }
  EXPECT_EQ(At(s.f.screenBuffer, 0, 0), 0xFF0000u);
  EXPECT_EQ(At(s.f.panelBuffer, 0, 0), 0xFF0000u);
}

}  // namespace
}  // namespace lumora
