// The configured look of the display surfaces.
#include "view/surfaces.h"

#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"

namespace lumora {

QImage FilledImage(int width, int height, Colour c) {
  // A configured surface is held to the largest surface: a line asking for
  // 30000 by 30000 pixels would otherwise want gigabytes per surface.
  const SurfaceSize size = CappedSurfaceSize(width, height);
  QImage img(size.width, size.height, QImage::Format_RGB32);
  img.fill(QColor::fromRgb(c));
  return img;
}

SurfaceSize SizeGameArea(TForm1& f, int64_t width, int64_t height) {
  const SurfaceSize size = CappedSurfaceSize(width, height);
  f.Abok0.width = f.Imp.width = size.width;
  f.Abok0.height = f.Imp.height = size.height;
  return size;
}

FontSpec MessageFont(const TForm1& f) {
  FontSpec font;
  font.name = f.message.fontName;
  font.size = f.message.fontSize;
  font.color = ColourFromText(f.message.text);
  font.bold = f.message.bold;
  font.italic = f.message.italic;
  font.underline = f.message.underline;
  return font;
}

void ResetModel0Surface(TForm1& f) {
  f.MsgMd0.width = SaturatedInt(int64_t{f.Abok1.width} - 10);
  f.MsgMd0.height = SaturatedInt(int64_t{f.Abok1.height} - 10);
  f.MsgMd0.color = ConfigColour(f, kBackgroundColour);
  f.MsgMd0.font.name = ConfigLine(f, kMemo0FontName);
  f.MsgMd0.font.size = ConfigInt(f, kMemo0FontSize);
  f.MsgMd0.font.color = ConfigColour(f, kMemo0FontColour);
  ApplyStyle(f.MsgMd0.font, StyleFromText(ConfigLine(f, kMemo0Style)));
}

void ResizeScreen(TForm1& f, int width, int height, Colour bg) {
  f.Tela.width = width;
  f.Tela.height = height;
  f.Tela.picture = FilledImage(width, height, bg);
  f.screenBuffer = FilledImage(width, height, bg);
  f.screenBrush = bg;
  f.screenFont = MessageFont(f);
}

void ApplyInputLine(TForm1& f) {
  f.Input.left = ConfigInt(f, kInputLeft);
  f.Input.top = ConfigInt(f, kInputTop);
  f.Input.width = ConfigInt(f, kInputWidth);
  f.Input.height = ConfigInt(f, kInputHeight);
  f.Input.color = ConfigColour(f, kInputColour);
  f.Input.font.name = ConfigLine(f, kInputFontName);
  f.Input.font.size = ConfigInt(f, kInputFontSize);
  f.Input.font.color = ConfigColour(f, kInputFontColour);
}

void ResetPanel(TForm1& f) {
  f.Abok2.left = ConfigInt(f, kPanelLeft);
  f.Abok2.top = ConfigInt(f, kPanelTop);
  f.Abok2.width = ConfigInt(f, kPanelWidth);
  f.Abok2.height = ConfigInt(f, kPanelHeight);
  const Colour bg = ConfigColour(f, kBackgroundColour);
  f.TelCmd.width = f.Abok2.width;
  f.TelCmd.height = f.Abok2.height;
  f.TelCmd.picture = FilledImage(f.TelCmd.width, f.TelCmd.height, bg);
  f.panelBuffer = FilledImage(f.TelCmd.width, f.TelCmd.height, bg);
  f.panelBrush = bg;
  f.panelFont.name = ConfigLine(f, kMessageFontName);
  f.panelFont.size = ConfigInt(f, kMessageFontSize);
  f.panelFont.color = ConfigColour(f, kTextColour);
  f.panelFont.bold = f.panelFont.italic = f.panelFont.underline = false;
  f.Abok2.visible = VisibleFromText(ConfigLine(f, kPanelVisible));
}

}  // namespace lumora
