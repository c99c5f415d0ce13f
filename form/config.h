// Reading configuration lines: numbers, colour texts, style texts, visibility.
#pragma once
#include <string>
#include <string_view>

#include "form/components.h"

namespace lumora {

struct TForm1;

// The configuration lines by name, one per line of the file, in its order.
// Lines without a name are not used.
enum ConfigLineName : int {
  kWindowLeft = 0,        // written at shutdown
  kWindowTop = 1,         // written at shutdown
  kGameNameLine = 4,      // written at shutdown
  kRegisterCount = 5,
  kIniScpLine = 6,
  kScriptLine = 7,
  kRetScpLine = 8,
  kObjetoLine = 9,
  kPosicLine = 10,        // also the script a double click on the opening picture runs
  kGameWidth = 11,        // Abok0, the window's client size
  kGameHeight = 12,
  kOpeningPicture = 13,   // empty keeps the built-in one
  kSkinPicture = 14,      // empty keeps the built-in one and a plain window
  kMessageFontName = 15,
  kMessageFontSize = 16,
  kVocabularyLine = 17,
  kBackgroundColour = 18,
  kTextColour = 19,
  kLinkColour = 20,
  kVisitedColour = 21,
  kDisplayLeft = 22,      // Abok1
  kDisplayTop = 23,
  kDisplayWidth = 24,
  kDisplayHeight = 25,
  kDisplayModel = 26,
  kMsgLeft = 27,          // the message memo of model 1
  kMsgTop = 28,
  kMsgWidth = 29,
  kMsgHeight = 30,
  kMemo0FontName = 32,    // MsgMd0, model 0
  kMemo0FontSize = 33,
  kMemo0FontColour = 34,
  kMsgVisible = 35,
  kInputLeft = 36,
  kInputTop = 37,
  kInputWidth = 38,
  kInputHeight = 39,
  kInputColour = 40,
  kInputFontName = 41,
  kInputFontSize = 42,
  kInputFontColour = 43,
  kInputVisible = 44,
  kPanelLeft = 45,        // Abok2, the command panel
  kPanelTop = 46,
  kPanelWidth = 47,
  kPanelHeight = 48,
  kModel3Width = 49,      // Sbox2
  kModel3Height = 50,
  kModel2Width = 51,      // the web view
  kModel2Height = 52,
  kPanelVisible = 53,
  kMemo0Style = 57,
  kScreenWidth = 58,      // PanTel, the picture screen
  kScreenHeight = 59,
  kQuitButtonLeft = 64,
  kQuitButtonTop = 65,
  kQuitButtonPicture = 66,  // kept in the button's hint
  kMessageStyle = 67,
  kInputStyle = 68,
  kQuitLabelFontName = 69,
  kQuitLabelFontSize = 70,
  kQuitLabelFontColour = 71,
  kQuitLabelCaption = 72,
  kUnknownAnswer = 73,       // the reply to a typed command that matches nothing
  kSuggestionHeading = 74,   // shown after the list of suggested phrases
  kUnknownScriptModel2 = 75, // run for a typed command that matches nothing in model 2
  kF1Command = 76,
  kF2Command = 77,
  kF4Command = 78,
  kMapWidth = 96,         // Sbc1
  kMapHeight = 97,        // also the display area's height while the map is shown
};

// The configuration file must hold at least this many lines (the last is read).
constexpr int kConfigLineCount = kMapHeight + 1;

// What the player reads a configuration line as: a whole number or a colour
// text (both unguarded: a line that does not convert stops the game), or text.
enum class ConfigValue { Text, Number, Colour };
ConfigValue ConfigLineValue(int n);

// Reads folder + game + ".ini" into the configuration lines, as creation and
// the game loader do. A file that cannot be read or holds fewer lines than the
// table raises ScriptError and leaves the lines as they were.
void LoadConfigFile(TForm1& f, const std::string& folder, const std::string& game);

// Configuration line n; a missing line raises ScriptError naming the file.
const std::string& ConfigLine(const TForm1& f, int n);
// Line n as a whole number, unguarded: the error names the file and the line.
int ConfigInt(const TForm1& f, int n);
// Games keep a few hundred registers; a count beyond this is a mistake that
// would ask for gigabytes before the first script runs.
constexpr int kMaxRegisterCount = 1000000;
// Line 5, the register count, unguarded; a count below zero or above
// kMaxRegisterCount raises ScriptError naming the file and the line.
int ConfigRegisterCount(const TForm1& f);
// A line the player takes changed (a size beyond what it can show): the player
// is told in the words of a bad line, and the game goes on.
void ReportConfigLine(const TForm1& f, int n, const std::string& what);
// Line n as a colour text, unguarded.
Colour ConfigColour(const TForm1& f, int n);

// A colour text "RRGGBB" as a colour. The digits are reordered blue, green, red
// and read as one hexadecimal number, so a short text still gives a colour
// ("FF" is red); a text that is not hexadecimal raises ScriptError.
Colour ColourFromText(std::string_view text);

// Style text: "B", "I", "U" in positions 1, 2, 3 (upper case only). A shorter
// line reads as if padded with "-".
struct Style {
  bool bold = false, italic = false, underline = false;
};
Style StyleFromText(std::string_view text);
void ApplyStyle(FontSpec& font, const Style& style);

// A visibility line shows its control only when it is exactly "*".
inline bool VisibleFromText(std::string_view text) { return text == "*"; }


}  // namespace lumora
