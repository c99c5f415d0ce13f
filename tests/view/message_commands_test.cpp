// Messages in every display model, the font and colour settings, the display
// commands and switching models.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "form/config.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/canvas3.h"

namespace lumora {
namespace {

class MessageTest : public ::testing::Test {
 protected:
  testing::TempGame game{"aventura"};
};

TEST_F(MessageTest, MsgAddsOrReplacesPerModel) {
  // msg: what the model's message box shows at the end (model 2 writes a page).
  const struct {
    const char* model;
    const char* msg;
  } cases[] = {
      {"1", "Ol\xE1, mundo"},
      {"0", "ab" "Ol\xE1, mundo"},  // model 0 types every message, nothing is replaced
      {"2", nullptr},
  };
  for (const auto& c : cases) {
    testing::Session s{game};
    const StringList lines = {std::string("setmode= ") + c.model, "msg= ab", "msg= Ol\xE1", "msg+ , mundo"};
    game.WriteScript("start", lines);
    RunScript(s.f, "start");
    if (std::string(c.model) == "1") { EXPECT_EQ(s.f.Msg.text, c.msg); }
    if (std::string(c.model) == "0") { EXPECT_EQ(s.f.MsgMd0.text, c.msg); }
    if (std::string(c.model) == "2") {
      const StringList& page = s.f.page.lastWritten;
      ASSERT_GE(page.size(), 12u);
      EXPECT_EQ(page[9], "ab");
      EXPECT_EQ(page[10], "Ol\xE1");
      EXPECT_EQ(page[11], ", mundo");
    }
  }
}

TEST_F(MessageTest, EmptyMsgEmptiesTheMessageAndSaysSo) {
  testing::Session s{game};
  s.Run({"msg= antes", "msg="});
  EXPECT_EQ(s.f.Msg.text, "");
  EXPECT_EQ(s.TraceStartingWith("   1: msg= ").at(0), "   1: msg= <-Falta texto!!!...");
}

TEST_F(MessageTest, TextCodesAndRegisterReferences) {
  testing::Session s{game};
  s.f.state.registers[3] = "l\xE2mpada";
  s.Run({"msg= a^b~c\xA7" "d", "msg+ #3"});
  EXPECT_EQ(s.f.Msg.text, "a,b c\r\nd" "l\xE2mpada");
}

TEST_F(MessageTest, ClearMsgAndLineFeedPerModel) {
  testing::Session s{game};
  s.Run({"msg= um", "linefeed", "msg+ dois"});
  EXPECT_EQ(s.f.Msg.text, "um\r\ndois");
  s.Run({"msg= um", "clearmsg"});
  EXPECT_EQ(s.f.Msg.text, "");
  s.Run({"setmode= 0", "msg= um", "linefeed", "msg+ dois"});
  EXPECT_EQ(s.f.MsgMd0.text, "um\r\ndois");
  s.Run({"setmode= 2", "msg= um", "linefeed", "clearmsg", "msg= dois"});
  EXPECT_EQ(s.f.page.lastWritten.at(9), "dois");  // clearmsg started the page again
}

TEST_F(MessageTest, LineFeedInModel3MovesByOneAndAHalfFontSizes) {
  // A size of two thousand million points moves the text as far as it goes.
  for (const auto& [size, moved] : {std::pair{12, 18}, std::pair{13, 19}, std::pair{2000000000, INT32_MAX - 10}}) {
    game.SetConfig(kMessageFontSize, std::to_string(size));
    testing::Session s{game};
    s.Run({"setmode= 3", "postxt= 5,10", "linefeed"});
    EXPECT_EQ(s.f.textX, 5);
    EXPECT_EQ(s.f.textY, 10 + moved) << "size " << size;
  }
}

TEST_F(MessageTest, FonteSetsFlagsForAnyText) {
  testing::Session s{game};
  s.Exec({"fonte= Times,14,FF0000,,1"});
  EXPECT_EQ(s.f.message.fontName, "Times");
  EXPECT_EQ(s.f.message.fontSize, 14);
  EXPECT_EQ(s.f.message.text, "FF0000");
  EXPECT_FALSE(s.f.message.bold);
  EXPECT_TRUE(s.f.message.italic);
  EXPECT_FALSE(s.f.message.underline);
  EXPECT_EQ(s.t.traceLine, "   0: fonte= Times,14,FF0000,normal,italic,normal");
  s.Exec({"fonte= ,,,0,0,0"});
  EXPECT_TRUE(s.f.message.bold && s.f.message.italic && s.f.message.underline);
  EXPECT_THROW(s.Exec({"fonte= ,x"}), ScriptError);
}

TEST_F(MessageTest, SingleSettingsFallBackToTheirConfigurationLines) {
  game.SetConfig(kLinkColour, "00FF00");
  game.SetConfig(kMessageFontSize, "11");
  testing::Session s{game};
  s.Exec({"corlnk= 123456"});
  EXPECT_EQ(s.f.message.link, "123456");
  s.Exec({"corlnk="});
  EXPECT_EQ(s.f.message.link, "00FF00");
  EXPECT_EQ(s.t.traceLine, "   0: corlnk= 00FF00");
  s.Exec({"fntsize= x"});
  EXPECT_EQ(s.f.message.fontSize, 11);
  const std::pair<const char*, std::array<bool, 3>> styles[] = {
      {"fntsty= BxU", {true, false, true}}, {"fntsty= biu", {false, false, false}},
      {"fntsty=", {false, false, false}},    {"fntsty= B", {true, false, false}},
      {"fntsty= -I", {false, true, false}}};
  for (const auto& [line, want] : styles) {
    s.Exec({line});
    EXPECT_EQ((std::array<bool, 3>{s.f.message.bold, s.f.message.italic, s.f.message.underline}), want) << line;
  }
}

TEST_F(MessageTest, PosTxtOnlyInModel3) {
  testing::Session s{game};
  s.Exec({"postxt= 4,5"});
  EXPECT_EQ(s.t.traceLine, "   0: postxt=  <--- n\xE3o est\xE1 no modo 3");
  EXPECT_EQ(s.f.textX, 0);
  s.Exec({"setmode= 3"});
  s.Exec({"postxt= 4,5"});
  s.Exec({"postxt= $,40"});
  EXPECT_EQ(s.f.textX, 4);
  EXPECT_EQ(s.f.textY, 40);
  s.Exec({"lnfeed="});
  EXPECT_EQ(s.f.textY, 50);
  s.Exec({"lnfeed= 1000"});
  EXPECT_EQ(s.f.TelMod3.height, 1050);  // the page grows to the text position
  EXPECT_GE(s.f.TelMod3.picture.height(), 1050);  // the bitmap keeps room to grow
  s.Exec({"lnfeed= 2147483647"});  // the text position does not wrap round
  EXPECT_EQ(s.f.textY, 2147483647);
  EXPECT_EQ(s.f.TelMod3.height, kMaxCanvas3Height);
}

TEST_F(MessageTest, SetModeLaysOutEachModel) {
  testing::Session s{game};
  s.f.Input.text = "ABC";
  s.f.links.records[3].active = true;
  s.Exec({"setmode= 5"});
  EXPECT_EQ(s.f.Modelo, "5");
  EXPECT_EQ(s.f.Input.text, "");
  EXPECT_FALSE(s.f.links.records[3].active);
  EXPECT_EQ(s.f.Abok1.ActivePage(), "1");  // nothing else changes
  s.Exec({"setmode= 0"});
  EXPECT_EQ(s.f.Abok1.ActivePage(), "0");
  s.Exec({"setmode= 2"});
  EXPECT_EQ(s.f.Abok1.ActivePage(), "2");
  EXPECT_FALSE(s.f.Input.visible);
  EXPECT_EQ(s.f.WebB.width, s.f.Abok1.width + 20);
  EXPECT_EQ(s.platform.loadedHtml.size(), 2u);  // the loader's blank page, then this one
  EXPECT_EQ(s.f.page.lines.size(), 9u);         // a new page was started
  s.Exec({"setmode= 3"});
  EXPECT_EQ(s.f.Abok1.ActivePage(), "3");
  EXPECT_EQ(s.f.TelMod3.picture.width(), s.f.Abok1.width - 18);
  s.Exec({"download"});
  EXPECT_EQ(s.f.Abok1.ActivePage(), "Down");
  EXPECT_EQ(s.f.Modelo, "3");
}

TEST_F(MessageTest, PageWaitHasATimeLimit) {
  testing::Session s{game};
  s.platform.readyState = 1;  // a view that never completes
  s.Exec({"setmode= 2"});
  EXPECT_GE(s.platform.clock, 5000);
  EXPECT_LT(s.platform.clock, 6000);
}

TEST_F(MessageTest, Model2RunWritesTmpHtmAndShowsIt) {
  game.SetConfig(kMessageStyle, "-I-");
  testing::Session s{game};
  s.Run({"setmode= 2", "msg= oi"});
  // RunScript resets the style flags from nothing: the page has no style tags.
  s.Run({"fntsty= -I", "clearmsg", "msg= oi"});
  const std::string file = game.Read("tmp.htm");
  EXPECT_NE(file.find("<em>\r\noi\r\n</em>\r\n</font></div>\r\n</html>\r\n</body>\r\n"), std::string::npos) << file;
  ASSERT_FALSE(s.platform.navigations.empty());
  EXPECT_EQ(s.platform.navigations.back(), game.folder() + "tmp.htm");
}

TEST_F(MessageTest, ClearTelaAndClearFuncFillTheBuffers) {
  testing::Session s{game};
  s.Exec({"cleartela FF0000"});
  EXPECT_EQ(s.f.screenBuffer.pixel(3, 3) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(s.f.Tela.picture.pixel(3, 3) & 0xFFFFFF, 0xFF0000u);
  s.Exec({"clearfunc 00FF00"});
  EXPECT_EQ(s.f.panelBuffer.pixel(1, 1) & 0xFFFFFF, 0x00FF00u);
  EXPECT_THROW(s.Exec({"clearfunc zz"}), ScriptError);
}

}  // namespace
}  // namespace lumora
