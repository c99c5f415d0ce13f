// Display commands: "cleartxt", "cleartela", "clearfunc", "postxt=", "lnfeed=".
#include "view/display_commands.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"
#include "view/canvas3.h"
#include "view/message_commands.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

Colour ClearColour(TForm3& t) {
  return ColourFromText(t.arg[0].empty() ? t.f.message.background : t.arg[0]);
}

// A buffer's canvas takes the colour as its brush and the message font, and the
// rectangle (0, 0, width, height) is filled.
void ClearBuffer(TForm1& f, QImage& buffer, FontSpec& font, Colour& brush, Colour c, int width, int height) {
  brush = c;
  font.color = ColourFromText(f.message.text);
  font.name = f.message.fontName;
  font.size = f.message.fontSize;
  if (buffer.isNull()) buffer = FilledImage(width, height, c);
  QPainter(&buffer).fillRect(0, 0, width, height, QColor::fromRgb(c));
}

}  // namespace

int TextPositionArgument(const std::string& argument, int current) {
  return argument.empty() || argument == "$" ? current : IntOr(argument, 0);
}

void CmdClearTxt(TForm3& t) { t.f.Memo3.text.clear(); }

void CmdClearTela(TForm3& t) {
  TForm1& f = t.f;
  const Colour c = ClearColour(t);
  ClearBuffer(f, f.screenBuffer, f.screenFont, f.screenBrush, c, f.Tela.width, f.Tela.height);
  // The picture screen shows the cleared buffer at once.
  f.Tela.picture = f.screenBuffer.copy();
  FillCanvas3(f);
  ShowCanvas3(f);
}

void CmdClearFunc(TForm3& t) {
  TForm1& f = t.f;
  ClearBuffer(f, f.panelBuffer, f.panelFont, f.panelBrush, ClearColour(t), f.panelBuffer.width(),
              f.panelBuffer.height());
}

void CmdPosTxt(TForm3& t) {
  TForm1& f = t.f;
  if (f.Model() != DisplayModel::Canvas) {
    t.traceLine += " <--- n\xE3o est\xE1 no modo 3";
    return;
  }
  f.textX = TextPositionArgument(t.arg[0], f.textX);
  f.textY = TextPositionArgument(t.arg[1], f.textY);
  t.traceLine += IntToStr(f.textX) + "," + IntToStr(f.textY);
}

void CmdLnFeed(TForm3& t) {
  TForm1& f = t.f;
  if (f.Model() != DisplayModel::Canvas) return;  // in other models the keyword is no command
  // Computed wide: a huge step must not wrap the text position round.
  const int64_t y = int64_t{f.textY} + (t.arg[0].empty() ? 10 : IntOr(t.arg[0], 0));
  f.textY = SaturatedInt(y);
  if (f.TelMod3.height < f.textY) SetCanvas3Height(f, f.textY);
}

void CmdDownload(TForm3& t) { t.f.Abok1.ShowPage("Down"); }

}  // namespace lumora
