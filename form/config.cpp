// Configuration line readings.
#include "form/config.h"

#include <cerrno>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/form1.h"

namespace lumora {
namespace {

std::string LineText(const TForm1& f, int n, const std::string& what) {
  return Translated1252(QT_TRANSLATE_NOOP("Game", "%1, line %2 (entry %3): %4"),
                        {f.configName, IntToStr(n + 1), IntToStr(n), what});
}

[[noreturn]] void LineError(const TForm1& f, int n, const std::string& what) { throw ScriptError(LineText(f, n, what)); }

}  // namespace

void LoadConfigFile(TForm1& f, const std::string& folder, const std::string& game) {
  const std::string name = game + ".ini";
  StringList lines;
  if (!LoadLines(ResolvePath(folder, name), lines)) throw FileError(FileAction::Open, Cp1252FromUtf8(folder) + name, errno);
  if (lines.size() < static_cast<size_t>(kConfigLineCount))
    throw ScriptError(name + ": the configuration has " + IntToStr(static_cast<int64_t>(lines.size())) +
                      " lines; it needs at least " + IntToStr(kConfigLineCount));
  f.configAsRead = {ResolvePath(folder, name), lines};
  f.config = std::move(lines);
  f.configName = name;
}

const std::string& ConfigLine(const TForm1& f, int n) {
  if (n < 0 || static_cast<size_t>(n) >= f.config.size())
    throw ScriptError(f.configName + ": the configuration has " + IntToStr(static_cast<int64_t>(f.config.size())) +
                      " lines; line " + IntToStr(n + 1) + " (entry " + IntToStr(n) + ") is missing");
  return f.config[static_cast<size_t>(n)];
}

int ConfigInt(const TForm1& f, int n) {
  const std::string& line = ConfigLine(f, n);
  const auto v = ReadInt(line);
  if (!v) LineError(f, n, "'" + line + "' is not a valid integer value");
  return *v;
}

int ConfigRegisterCount(const TForm1& f) {
  const int count = ConfigInt(f, kRegisterCount);
  if (count > kMaxRegisterCount)
    LineError(f, kRegisterCount,
              Translated1252(QT_TRANSLATE_NOOP("Game", "a register count of %1 is above the limit of %2"),
                             {IntToStr(count), IntToStr(kMaxRegisterCount)}));
  // A negative count would refuse every register command without a word.
  if (count < 0)
    LineError(f, kRegisterCount,
              Translated1252(QT_TRANSLATE_NOOP("Game", "a register count of %1 is below zero"), {IntToStr(count)}));
  return count;
}

void ReportConfigLine(const TForm1& f, int n, const std::string& what) { f.platform.ShowError(LineText(f, n, what)); }

Colour ConfigColour(const TForm1& f, int n) {
  const std::string& line = ConfigLine(f, n);
  try {
    return ColourFromText(line);
  } catch (const ScriptError& e) {
    LineError(f, n, e.what());
  }
}

ConfigValue ConfigLineValue(int n) {
  switch (n) {
    case kRegisterCount: case kGameWidth: case kGameHeight: case kMessageFontSize:
    case kDisplayLeft: case kDisplayTop: case kDisplayWidth: case kDisplayHeight:
    case kMsgLeft: case kMsgTop: case kMsgWidth: case kMsgHeight: case kMemo0FontSize:
    case kInputLeft: case kInputTop: case kInputWidth: case kInputHeight: case kInputFontSize:
    case kPanelLeft: case kPanelTop: case kPanelWidth: case kPanelHeight:
    case kModel3Width: case kModel3Height: case kModel2Width: case kModel2Height:
    case kScreenWidth: case kScreenHeight: case kQuitButtonLeft: case kQuitButtonTop:
    case kQuitLabelFontSize: case kMapWidth: case kMapHeight:
      return ConfigValue::Number;
    case kBackgroundColour: case kTextColour: case kMemo0FontColour: case kInputColour:
    case kInputFontColour: case kQuitLabelFontColour:
      return ConfigValue::Colour;
    default:
      return ConfigValue::Text;
  }
}

Colour ColourFromText(std::string_view text) {
  auto part = [&](size_t from) { return from < text.size() ? text.substr(from, 2) : std::string_view(); };
  const std::string bgr = "$" + std::string(part(4)) + std::string(part(2)) + std::string(part(0));
  const auto native = static_cast<uint32_t>(IntUnguarded(bgr));
  // The native value has blue in the high byte and red in the low byte.
  const uint32_t red = native & 0xFF, green = (native >> 8) & 0xFF, blue = (native >> 16) & 0xFF;
  return (red << 16) | (green << 8) | blue;
}

Style StyleFromText(std::string_view text) {
  auto at = [&](size_t i) { return i < text.size() ? text[i] : '-'; };
  return {at(0) == 'B', at(1) == 'I', at(2) == 'U'};
}

void ApplyStyle(FontSpec& font, const Style& style) {
  font.bold = style.bold;
  font.italic = style.italic;
  font.underline = style.underline;
}

}  // namespace lumora
