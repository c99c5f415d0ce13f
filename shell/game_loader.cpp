// The game loader: the configuration applied to every region, the saved state loaded.
#include "core/paths.h"
#include "core/script_error.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/builtin_pictures.h"
#include "form/config.h"
#include "form/script_ref.h"
#include "shell/lifecycle.h"
#include "state/state_files.h"
#include "view/canvas3.h"
#include "view/page.h"
#include "view/picture_loader.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

void LoadConfigAndState(TForm1& f, const std::string& game) {
  // The files as the saves still being written (a restart) leave them.
  f.writer.Flush();
  f.gameFolder = f.programFolder;
  f.gameFolderUrl = GameFolderUrl(f.gameFolder);
  // The pages read the game's files and their own, nothing else of the player's.
  f.platform.WebConfine(f.gameFolder, PageFile(f));
  LoadConfigFile(f, StateReadFolder(f.gameFolder, f.stateFolder, game + ".ini"), game);
  // A save cut short is finished where it was being written, before reading.
  RecoverInterruptedSave(f.stateFolder, game);
  LoadGameState(f.state, f.gameFolder, f.stateFolder, game);
}

// The game area: one larger than a surface may be is held to that size, and
// the player is told, as of a bad line; the game goes on.
void ApplyGameArea(TForm1& f) {
  const int width = ConfigInt(f, kGameWidth), height = ConfigInt(f, kGameHeight);
  const SurfaceSize taken = SizeGameArea(f, width, height);
  if (taken == SurfaceSize{width, height}) return;
  ReportConfigLine(
      f, taken.width != width ? kGameWidth : kGameHeight,
      Translated1252(
          QT_TRANSLATE_NOOP("Game",
                            "a game area of %1 by %2 pixels is outside the limits (1 to %3 pixels a side, %4 in "
                            "all); it is held to %5 by %6"),
          {IntToStr(width), IntToStr(height), IntToStr(kMaxSurfaceSide), IntToStr(kMaxSurfacePixels),
           IntToStr(taken.width), IntToStr(taken.height)}));
}

void ApplyNamesAndSizes(TForm1& f) {
  f.Abok0.pageIndex = kGamePage;
  f.state.registerCount = ConfigRegisterCount(f);
  PadRegisters(f.state);
  f.IniScp = ConfigLine(f, kIniScpLine);
  f.Script = ConfigLine(f, kScriptLine);
  f.RetScp = ConfigLine(f, kRetScpLine);
  f.Objeto = ConfigLine(f, kObjetoLine);
  f.Posic = ConfigLine(f, kPosicLine);
  ApplyGameArea(f);
}

// Line 14 names the skin: the window's background and, without its magenta
// pixels, the window's outline. Empty keeps the built-in skin and a plain window.
void ApplySkin(TForm1& f) {
  if (!ConfigLine(f, kSkinPicture).empty()) {
    f.Imp.picture = QImage();
    LoadPicture(f, ConfigLine(f, kSkinPicture), f.Imp);
    ShapeWindow(f);
  } else if (f.Imp.picture.isNull()) {
    f.Imp.picture = BuiltinSkin();
  }
  if (!f.Imp.picture.isNull()) f.Imp.picture = f.Imp.picture.convertToFormat(QImage::Format_RGB32);
}

void ApplyMessageSettings(TForm1& f) {
  f.message.fontName = ConfigLine(f, kMessageFontName);
  f.message.fontSize = ConfigInt(f, kMessageFontSize);
  f.vocabulary = ConfigLine(f, kVocabularyLine);
  const Style style = StyleFromText(ConfigLine(f, kMessageStyle));
  f.message.bold = style.bold;
  f.message.italic = style.italic;
  f.message.underline = style.underline;
  for (int n = kBackgroundColour; n <= kVisitedColour; ++n) ConfigColour(f, n);  // each must be a colour text
  f.message.background = ConfigLine(f, kBackgroundColour);
  f.message.text = ConfigLine(f, kTextColour);
  f.message.link = ConfigLine(f, kLinkColour);
  f.message.visited = ConfigLine(f, kVisitedColour);
}

void ApplyDisplayArea(TForm1& f) {
  const Colour bg = ConfigColour(f, kBackgroundColour);
  f.Abok1.left = ConfigInt(f, kDisplayLeft);
  f.Abok1.top = ConfigInt(f, kDisplayTop);
  f.Abok1.width = ConfigInt(f, kDisplayWidth);
  f.Abok1.height = ConfigInt(f, kDisplayHeight);
  f.Abok1.color = bg;
  f.Modelo = ConfigLine(f, kDisplayModel);
  ResetModel0Surface(f);
  f.Msg.left = ConfigInt(f, kMsgLeft);
  f.Msg.top = ConfigInt(f, kMsgTop);
  f.Msg.width = ConfigInt(f, kMsgWidth);
  f.Msg.height = ConfigInt(f, kMsgHeight);
  f.Msg.color = bg;
  f.Msg.font = MessageFont(f);
  f.Msg.visible = VisibleFromText(ConfigLine(f, kMsgVisible));
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  f.PanTel.width = ConfigInt(f, kScreenWidth);
  f.PanTel.height = ConfigInt(f, kScreenHeight);
  f.PanTel.color = bg;
  ResizeScreen(f, f.PanTel.width, f.PanTel.height, bg);
}

void ApplyOtherSurfaces(TForm1& f) {
  const Colour bg = ConfigColour(f, kBackgroundColour);
  ShowBlankPage(f, f.message.background);
  f.WebB.width = SaturatedInt(int64_t{ConfigInt(f, kModel2Width)} + 20);
  f.WebB.height = SaturatedInt(int64_t{ConfigInt(f, kModel2Height)} + 4);
  f.Sbox2.width = ConfigInt(f, kModel3Width);
  f.Sbox2.height = ConfigInt(f, kModel3Height);
  f.Sbox2.color = f.Sbox2.barColor = bg;
  f.TelMod3.left = f.TelMod3.top = 5;
  SizeCanvas3(f, int64_t{f.Sbox2.width} - 21, int64_t{f.Sbox2.height} - 10);
  f.Sbc1.width = ConfigInt(f, kMapWidth);
  f.Sbc1.height = ConfigInt(f, kMapHeight);
  f.Sbc1.barColor = bg;
  f.MapJog.width = f.Sbc1.width;
  f.MapJog.height = f.Sbc1.height;
  f.MapJog.picture = FilledImage(f.MapJog.width, f.MapJog.height, kWhite);
  ApplyInputLine(f);
  ApplyStyle(f.Input.font, StyleFromText(ConfigLine(f, kInputStyle)));
  f.Input.visible = VisibleFromText(ConfigLine(f, kInputVisible));
  ResetPanel(f);
}

void ApplyQuitButton(TForm1& f) {
  f.btFim.left = ConfigInt(f, kQuitButtonLeft);
  f.btFim.top = ConfigInt(f, kQuitButtonTop);
  f.btFim.hint = ConfigLine(f, kQuitButtonPicture);
  LoadPicture(f, "U-" + f.btFim.hint, f.btFim);
  f.lbFim.left = SaturatedInt(int64_t{f.btFim.left} + f.btFim.width + 2);
  f.lbFim.top = SaturatedInt(int64_t{f.btFim.top} + 3);
  f.lbFim.font.name = ConfigLine(f, kQuitLabelFontName);
  f.lbFim.font.size = ConfigInt(f, kQuitLabelFontSize);
  f.lbFim.font.color = ConfigColour(f, kQuitLabelFontColour);
  f.lbFim.caption = ConfigLine(f, kQuitLabelCaption);
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
