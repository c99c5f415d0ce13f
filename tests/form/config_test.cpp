// Colour texts, style texts and configuration line readings.
#include <gtest/gtest.h>

#include <climits>

#include "core/script_error.h"
#include "form/config.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(ColourFromText, ReadsRedGreenBlue) {
  const std::pair<const char*, Colour> cases[] = {
      {"FF8000", 0xFF8000}, {"ff8000", 0xFF8000}, {"000000", 0x000000}, {"0000FF", 0x0000FF},
      {"FF0000", 0xFF0000}, {"00FF00", 0x00FF00}, {"123456", 0x123456},
  };
  for (const auto& [text, colour] : cases) EXPECT_EQ(ColourFromText(text), colour) << text;
}

TEST(ColourFromText, TextThatIsNotHexadecimalRaises) {
  for (const char* text : {"", "GG0000", "FF 800", "#FF8000", "red"}) EXPECT_THROW(ColourFromText(text), ScriptError) << text;
}

TEST(StyleFromText, UpperCaseLettersInTheirPlacesOnly) {
  const struct {
    const char* text;
    bool bold, italic, underline;
  } cases[] = {
      {"B-U", true, false, true}, {"BIU", true, true, true}, {"---", false, false, false},
      {"b", false, false, false}, {"bIu", false, true, false}, {"IBU", false, false, true},
      {"B", true, false, false},  {"-I", false, true, false}, {"", false, false, false},
      {"BIUX", true, true, true},
  };
  for (const auto& c : cases) {
    const Style s = StyleFromText(c.text);
    EXPECT_EQ(s.bold, c.bold) << c.text;
    EXPECT_EQ(s.italic, c.italic) << c.text;
    EXPECT_EQ(s.underline, c.underline) << c.text;
  }
}

TEST(PointsToPixels, NinetySixDotsPerInch) {
  // A size of two thousand million points ("fntsize=", "telafntalt=", the
  // configuration) must not wrap: no letter is taller than the largest surface.
  const std::pair<int, int> cases[] = {{12, 16},        {9, 12},         {8, 11},           {10, 13},
                                       {0, 0},          {36, 48},        {49151, 65535},    {49152, 65535},
                                       {INT_MAX, 65535}, {INT_MIN, -65535}, {2000000000, 65535}};
  for (const auto& [points, pixels] : cases) EXPECT_EQ(PointsToPixels(points), pixels) << points;
  // The window description's fonts, given in pixels, come back as given.
  for (int pixels : {11, 16, 21, 24}) EXPECT_EQ(PointsToPixels(PixelsToPoints(pixels)), pixels) << pixels;
  EXPECT_EQ(PixelsToPoints(INT_MAX), 1610612735);
  EXPECT_EQ(PixelsToPoints(INT_MIN), -1610612735);
}

TEST(ConfigLine, ErrorsNameTheFileAndTheLine) {
  testing::TempGame game;
  game.SetConfig(kMessageFontSize, "doze");
  game.SetConfig(kTextColour, "branco");
  testing::Session s{game, false};
  try {
    ConfigInt(s.f, 16);
    FAIL() << "no error";
  } catch (const ScriptError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("aventura.ini"), std::string::npos) << what;
    EXPECT_NE(what.find("line 17"), std::string::npos) << what;
    EXPECT_NE(what.find("'doze'"), std::string::npos) << what;
  }
  EXPECT_THROW(ConfigColour(s.f, 19), ScriptError);
  EXPECT_THROW(ConfigLine(s.f, 98), ScriptError);
  EXPECT_EQ(ConfigLine(s.f, 97), "323");
}

}  // namespace
}  // namespace lumora
