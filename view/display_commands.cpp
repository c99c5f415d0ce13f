// Display commands: "cleartxt", "cleartela", "clearfunc", "postxt=", "lnfeed=".
#include "view/display_commands.h"

#include <QPainter>

#include "core/strings.h"
#include "shell/config.h"
#include "shell/form1.h"
#include "view/canvas3.h"
#include "view/message_commands.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

// A position argument: "$" or empty keeps the current value, not a number is 0.
int PositionArgument(const std::string& argument, int current) {
  return argument.empty() || argument == "$" ? current : IntOr(argument, 0);
}

Colour ClearColour(TForm3& t) {
  return ColourFromText(t.arg[0].empty() ? t.f.message.background : t.arg[0]);
}

}  // namespace

void CmdClearTxt(TForm3& t) { t.f.Memo3.text.clear(); }

void CmdClearTela(TForm3& t) {
  TForm1& f = t.f;
  const Colour c = ClearColour(t);
  f.screenBrush = c;
  f.screenFont.color = ColourFromText(f.message.text);
  f.screenFont.name = f.message.fontName;
  f.screenFont.size = f.message.fontSize;
  if (f.screenBuffer.isNull()) f.screenBuffer = FilledImage(f.Tela.width, f.Tela.height, c);
  QPainter(&f.screenBuffer).fillRect(0, 0, f.Tela.width, f.Tela.height, QColor::fromRgb(c));
  // The picture screen shows the cleared buffer at once.
  f.Tela.picture = f.screenBuffer.copy();
  FillCanvas3(f);
  ShowCanvas3(f);
}

void CmdClearFunc(TForm3& t) {
  TForm1& f = t.f;
  const Colour c = ClearColour(t);
  f.panelBrush = c;
  f.panelFont.color = ColourFromText(f.message.text);
  f.panelFont.name = f.message.fontName;
  f.panelFont.size = f.message.fontSize;
  if (f.panelBuffer.isNull()) f.panelBuffer = FilledImage(f.TelCmd.width, f.TelCmd.height, c);
  f.panelBuffer.fill(QColor::fromRgb(c));
}

void CmdPosTxt(TForm3& t) {
  TForm1& f = t.f;
  if (f.Modelo != "3") {
    t.traceLine += " <--- n\xE3o est\xE1 no modo 3";
    return;
  }
  f.textX = PositionArgument(t.arg[0], f.textX);
  f.textY = PositionArgument(t.arg[1], f.textY);
  t.traceLine += IntToStr(f.textX) + "," + IntToStr(f.textY);
}

void CmdLnFeed(TForm3& t) {
  TForm1& f = t.f;
  if (f.Modelo != "3") return;  // in other models the keyword is no command
  f.textY += t.arg[0].empty() ? 10 : IntOr(t.arg[0], 0);
  if (f.TelMod3.height < f.textY) {
    f.TelMod3.height = f.textY;
    EnsureCanvas3(f);
  }
}

void CmdDownload(TForm3& t) { t.f.Abok1.ShowPage("Down"); }

}  // namespace lumora
