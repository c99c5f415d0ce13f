// The game loader: the configuration applied to every region, the saved state loaded.
#include "core/paths.h"
#include "core/script_error.h"
#include "core/string_list.h"
#include "core/text1252.h"
#include "form/config.h"
#include "form/script_ref.h"
#include "shell/lifecycle.h"
#include "state/state_files.h"
#include "view/page.h"
#include "view/picture_loader.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

void LoadConfigAndState(TForm1& f, const std::string& game) {
  f.gameFolder = f.programFolder;
  f.gameFolderUrl = GameFolderUrl(f.gameFolder);
  StringList lines;
  const std::string name = game + ".ini";
  if (!LoadLines(ResolvePath(f.gameFolder, name), lines))
    throw ScriptError("Cannot open file \"" + Cp1252FromUtf8(f.gameFolder) + name + "\"");
  if (lines.size() < static_cast<size_t>(kConfigLineCount))
    throw ScriptError(name + ": the configuration has " + std::to_string(lines.size()) + " lines; it needs at least " +
                      std::to_string(kConfigLineCount));
  f.config = std::move(lines);
  f.configName = name;
  LoadGameState(f.state, f.gameFolder, game);
}

void ApplyNamesAndSizes(TForm1& f) {
  f.Abok0.pageIndex = 0;
  f.state.registerCount = ConfigInt(f, 5);
  PadRegisters(f.state);
  f.IniScp = ConfigLine(f, 6);
  f.Script = ConfigLine(f, 7);
  f.RetScp = ConfigLine(f, 8);
  f.Objeto = ConfigLine(f, 9);
  f.Posic = ConfigLine(f, 10);
  f.Abok0.width = ConfigInt(f, 11);
  f.Abok0.height = ConfigInt(f, 12);
  f.Imp.width = f.Abok0.width;
  f.Imp.height = f.Abok0.height;
}

// Line 14 names the skin: the window's background and, without its magenta
// pixels, the window's outline. Empty keeps the built-in skin and a plain window.
void ApplySkin(TForm1& f) {
  if (!ConfigLine(f, 14).empty()) {
    f.Imp.picture = QImage();
    LoadPicture(f, ConfigLine(f, 14), f.Imp);
    ShapeWindow(f);
  }
  if (!f.Imp.picture.isNull()) f.Imp.picture = f.Imp.picture.convertToFormat(QImage::Format_RGB32);
}

void ApplyMessageSettings(TForm1& f) {
  f.message.fontName = ConfigLine(f, 15);
  f.message.fontSize = ConfigInt(f, 16);
  f.vocabulary = ConfigLine(f, 17);
  const Style style = StyleFromText(ConfigLine(f, 67));
  f.message.bold = style.bold;
  f.message.italic = style.italic;
  f.message.underline = style.underline;
  for (int n = 18; n <= 21; ++n) ConfigColour(f, n);  // each must be a colour text
  f.message.background = ConfigLine(f, 18);
  f.message.text = ConfigLine(f, 19);
  f.message.link = ConfigLine(f, 20);
  f.message.visited = ConfigLine(f, 21);
}

void ApplyDisplayArea(TForm1& f) {
  const Colour bg = ConfigColour(f, 18);
  f.Abok1.left = ConfigInt(f, 22);
  f.Abok1.top = ConfigInt(f, 23);
  f.Abok1.width = ConfigInt(f, 24);
  f.Abok1.height = ConfigInt(f, 25);
  f.Abok1.color = bg;
  f.Modelo = ConfigLine(f, 26);
  ResetModel0Surface(f);
  f.Msg.left = ConfigInt(f, 27);
  f.Msg.top = ConfigInt(f, 28);
  f.Msg.width = ConfigInt(f, 29);
  f.Msg.height = ConfigInt(f, 30);
  f.Msg.color = bg;
  f.Msg.font = MessageFont(f);
  f.Msg.visible = VisibleFromText(ConfigLine(f, 35));
  f.platform.ProcessMessages();
  f.PanTel.width = ConfigInt(f, 58);
  f.PanTel.height = ConfigInt(f, 59);
  f.PanTel.color = bg;
  ResizeScreen(f, f.PanTel.width, f.PanTel.height, bg);
}

void ApplyOtherSurfaces(TForm1& f) {
  const Colour bg = ConfigColour(f, 18);
  ShowBlankPage(f, f.message.background);
  f.WebB.width = ConfigInt(f, 51) + 20;
  f.WebB.height = ConfigInt(f, 52) + 4;
  f.Sbox2.width = ConfigInt(f, 49);
  f.Sbox2.height = ConfigInt(f, 50);
  f.Sbox2.color = f.Sbox2.barColor = bg;
  f.TelMod3.left = f.TelMod3.top = 5;
  f.TelMod3.width = f.Sbox2.width - 21;
  f.TelMod3.height = f.Sbox2.height - 10;
  f.Sbc1.width = ConfigInt(f, 96);
  f.Sbc1.height = ConfigInt(f, 97);
  f.Sbc1.barColor = bg;
  f.MapJog.width = f.Sbc1.width;
  f.MapJog.height = f.Sbc1.height;
  f.MapJog.picture = QImage(std::max(1, f.MapJog.width), std::max(1, f.MapJog.height), QImage::Format_RGB32);
  f.MapJog.picture.fill(Qt::white);
  ApplyInputLine(f);
  ApplyStyle(f.Input.font, StyleFromText(ConfigLine(f, 68)));
  f.Input.visible = VisibleFromText(ConfigLine(f, 44));
  ResetPanel(f);
}

void ApplyQuitButton(TForm1& f) {
  f.btFim.left = ConfigInt(f, 64);
  f.btFim.top = ConfigInt(f, 65);
  f.btFim.hint = ConfigLine(f, 66);
  LoadPicture(f, "U-" + f.btFim.hint, f.btFim);
  f.lbFim.left = f.btFim.left + f.btFim.width + 2;
  f.lbFim.top = f.btFim.top + 3;
  f.lbFim.font.name = ConfigLine(f, 69);
  f.lbFim.font.size = ConfigInt(f, 70);
  f.lbFim.font.color = ConfigColour(f, 71);
  f.lbFim.caption = ConfigLine(f, 72);
}

}  // namespace

void GameLoader(TForm1& f, const std::string& game) {
  f.loaderFinished = false;
  LoadConfigAndState(f, game);
  ApplyNamesAndSizes(f);
  ApplySkin(f);
  ApplyMessageSettings(f);
  ApplyDisplayArea(f);
  ApplyOtherSurfaces(f);
  ApplyQuitButton(f);
  f.links.Reset();
  f.dragging = false;
  f.focus = Focus::Form;
  f.loaderFinished = true;
}

}  // namespace lumora
