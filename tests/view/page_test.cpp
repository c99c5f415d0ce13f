// Text codes per display model, the page head, the blank page.
#include <gtest/gtest.h>

#include "form/config.h"
#include "support/temp_game.h"
#include "view/page.h"
#include "form/text_codes.h"

namespace lumora {
namespace {

TEST(TextCodes, EachModelRendersTheCodesItsOwnWay) {
  const char* text = "sala^ norte~~sul\xA7" "fim";
  const std::pair<const char*, const char*> cases[] = {
      {"0", "sala, norte  sul\r\nfim"},
      {"1", "sala, norte  sul\r\nfim"},
      {"2", "sala, norte&nbsp;&nbsp;sul<br>fim"},
      {"3", "sala, norte  sul\xA7" "fim"},
      {"Mapa", "sala, norte  sulfim"},  // another model drops the break
      {"11", "sala, norte  sulfim"},
  };
  for (const auto& [model, want] : cases) EXPECT_EQ(ApplyTextCodes(text, ModelOf(model)), want) << "model " << model;
}

TEST(TextCodes, OneCodeAtATime) {
  const DisplayModel page = DisplayModel::Page;
  EXPECT_EQ(ApplyTextCode('~', "a~b^c\xA7", page), "a&nbsp;b^c\xA7");
  EXPECT_EQ(ApplyTextCode('^', "^^", page), ",,");
  EXPECT_EQ(ApplyTextCode('\xA7', "\xA7\xA7", page), "<br><br>");
  EXPECT_EQ(ApplyTextCodes("sem c\xF3" "digos", page), "sem c\xF3" "digos");
}

class PageTest : public ::testing::Test {
 protected:
  testing::TempGame game{"aventura"};
};

TEST_F(PageTest, PageStartWritesTheHeadByteForByte) {
  game.SetConfig(kMessageStyle, "BI-");
  testing::Session s{game};
  s.f.page.lines = {"old"};
  PageStart(s.f);
  const StringList want = {
      "<!DOCTYPE html>",
      "<head>",
      "<title>Lumora: aventura</title>",
      "<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\">",
      "</head>",
      "<body bgcolor=#000000 text=#FFFFFF link=#FFFF00 vlink=#C0C0C0",
      " alink=#FFFF00 leftmargin=10 topmargin=0 marginwidth=0 marginheight=0 >",
      "<div style=\"margin-right:10px;\">",
      "<font face=Arial color=#FFFFFF style=\"font-size:18px; \"><b><em>",
  };
  EXPECT_EQ(s.f.page.lines, want);
  EXPECT_EQ(s.f.page.closingTags, "</b></em>");
}

TEST_F(PageTest, StyleTagsAndFontSizeFollowTheSettings) {
  const struct {
    const char* style;
    const char* size;
    const char* fontLineEnd;
    const char* closing;
  } cases[] = {
      {"-I-", "12", "font-size:18px; \"><em>", "</em>"},
      {"B-U", "11", "font-size:16px; \"><b><u>", "</b></u>"},
      {"---", "9", "font-size:13px; \">", ""},
      {"BIU", "20", "font-size:30px; \"><b><em><u>", "</b></em></u>"},
      {"---", "2000000000", "font-size:2147483647px; \">", ""},  // as large as a number goes
  };
  for (const auto& c : cases) {
    game.SetConfig(kMessageStyle, c.style);
    game.SetConfig(kMessageFontSize, c.size);
    testing::Session s{game};
    PageStart(s.f);
    ASSERT_EQ(s.f.page.lines.size(), 9u);
    const std::string& font = s.f.page.lines.back();
    EXPECT_TRUE(font.ends_with(c.fontLineEnd)) << c.style << ": " << font;
    EXPECT_EQ(s.f.page.closingTags, c.closing) << c.style;
  }
}

TEST_F(PageTest, BlankPageText) {
  testing::Session s{game};
  EXPECT_EQ(BlankPageHtml(s.f, "102030"),
            "<!DOCTYPE html><head><title>Lumora: aventura</title>"
            "<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\"></head>"
            "<body  bgcolor=#102030 text=#FFFF00 link=#FFFF00 vlink=#FFFF00 alink=#FFFF00 leftmargin=0 topmargin=0 "
            "marginwidth=0 marginheight=0 ></body></html>");
  // The loader shows it in the background colour, each load stopping the
  // navigation before it.
  ASSERT_FALSE(s.platform.loadedHtml.empty());
  EXPECT_EQ(s.platform.loadedHtml.back(), BlankPageHtml(s.f, "000000"));
  EXPECT_EQ(s.platform.webStops, static_cast<int>(s.platform.loadedHtml.size()));
}

}  // namespace
}  // namespace lumora
