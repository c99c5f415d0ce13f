// Clickable areas on the display, the command panel and the skin picture. Each
// command fills the record its group's counter points at and draws the
// picture or the words once; the buffers carry them to the screen.
#include "nav/link_commands.h"

#include <QPainter>

#include "core/paths.h"
#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"
#include "view/canvas3.h"
#include "view/picture_draw.h"
#include "view/picture_loader.h"
#include "view/surfaces.h"
#include "form/text_codes.h"
#include "view/text_draw.h"

namespace lumora {
namespace {

constexpr const char* kMissingFile = " <--- arquivo n\xE3o existe";

struct Area {
  int left = 0, top = 0, width = 0, height = 0;
};

// A picture that cannot be read leaves the load buffer as it was: emptied
// first, an unreadable picture gives no size and draws nothing, rather than the
// size and look of the picture loaded before it.
void ClearLoadBuffer(TForm1& f) { f.BufShp.picture = QImage(); }

// An empty cursor kind is the link cursor when there is a script, else the
// arrow; the kind is read unguarded and kept as a byte.
uint8_t CursorKind(const std::string& given, bool hasScript) {
  const std::string kind = given.empty() ? (hasScript ? "1" : "0") : given;
  return static_cast<uint8_t>(IntUnguarded(kind));
}

void Fill(LinkRecord& r, const TForm3& t, const Area& a, uint8_t cursor) {
  r.picture = t.arg[0];
  r.script = t.arg[1];
  r.pressed = t.arg[7];
  r.sound = t.arg[8];
  r.left = a.left;
  r.top = a.top;
  r.width = a.width;
  r.height = a.height;
  r.cursor = cursor;
  r.active = true;
}

// Loads the picture into BufShp and draws it into the record's rectangle, a
// width or height of 0 being the picture's own (stored back in the record).
void DrawAreaPicture(TForm1& f, LinkRecord& r, QImage& target) {
  ClearLoadBuffer(f);
  LoadPicture(f, r.picture, f.BufShp);
  const QImage& picture = f.BufShp.picture;
  if (r.width == 0) r.width = picture.width();
  if (r.height == 0) r.height = picture.height();
  DrawTransparent(target, picture, r.left, r.top, r.width, r.height);
}

// The words with their text codes, drawn in the font with the background
// showing through; the area takes the words' size whatever was given.
void DrawAreaText(TForm1& f, LinkRecord& r, QImage& target, const FontSpec& font) {
  const std::string text = ApplyTextCodes(r.picture, f.Model());
  const QSize size = MeasureText(font, text);
  r.width = size.width();
  r.height = size.height();
  DrawTextTransparent(target, r.left, r.top, font, text);
}

void LinkTelPicture(TForm3& t, const Area& a, const std::string& numbers) {
  TForm1& f = t.f;
  LinkRecord& r = f.links.Take(kScreenSlots);
  Fill(r, t, a, CursorKind(t.arg[6], !t.arg[1].empty()));
  if (IsPictureName(r.picture)) {
    DrawAreaPicture(f, r, f.screenBuffer);
  } else if (!r.picture.empty()) {
    f.screenFont = MessageFont(f);
    DrawAreaText(f, r, f.screenBuffer, f.screenFont);
  }
  t.traceLine += numbers;
}

// Model 2: an image or words in the page, inside a link when there is a
// script; arguments 3 to 5 are width, height and alignment here.
std::string PagePictureLine(TForm1& f, const TForm3& t) {
  const std::string &picture = t.arg[0], &script = t.arg[1];
  ClearLoadBuffer(f);
  LoadPicture(f, picture, f.BufShp);
  const QImage& img = f.BufShp.picture;
  std::string width = " width=" + (t.arg[2].empty() ? IntToStr(img.width()) : t.arg[2]);
  std::string height = " height=" + (t.arg[3].empty() ? IntToStr(img.height()) : t.arg[3]);
  // The browser keeps the proportions when only the width is given.
  if (f.Abok1.width < img.width()) {
    width = " width=" + IntToStr(f.Abok1.width);
    height.clear();
  }
  std::string line = (script.empty() ? "" : "<a href=Scp=" + script + ">") + "<img src=" + f.gameFolderUrl +
                     picture + width + height + " border=0 ";
  const std::string& align = t.arg[4];
  if (align == "left" || align == "right") line += "align=" + align;
  if (align == "center") line = "<div align=center>" + line + "></div";
  line += ">";
  if (!script.empty()) line += "</a>";
  return line;
}

std::string PageTextLine(const TForm1& f, const TForm3& t) {
  const MessageSettings& m = f.message;
  const std::string& script = t.arg[1];
  const std::string text = ApplyTextCodes(t.arg[0], f.Model());
  return "<font face=" + m.fontName + " color=#" + m.text + " style=\"Font-Size:" + IntToStr(m.fontSize) + "\">" +
         (m.bold ? "<b>" : "") + (m.italic ? "<em>" : "") + (m.underline ? "<u>" : "") +
         (script.empty() ? "" : "<a href=Scp=" + script + ">") + text + (m.underline ? "</u>" : "") +
         (m.italic ? "</em>" : "") + (m.bold ? "</b>" : "") + "</font>" + (script.empty() ? "" : "</a>");
}

// Model 3: the page TelMod3; words in the link colour, underlined in the
// visited-link colour.
void LinkModel3(TForm3& t, const Area& a) {
  TForm1& f = t.f;
  LinkRecord& r = f.links.Take(kModel3Slots);
  Fill(r, t, a, CursorKind(t.arg[6], !t.arg[1].empty()));
  if (IsPictureName(r.picture)) {
    ClearLoadBuffer(f);
    DrawPictureAt(f, r.picture, r.left, r.top, f.TelMod3, r.width, r.height);
    if (r.width == 0) r.width = f.BufShp.picture.width();
    if (r.height == 0) r.height = f.BufShp.picture.height();
    return;
  }
  if (r.picture.empty()) return;
  f.canvas3Font = MessageFont(f);
  f.canvas3Font.color = ColourFromText(f.message.link);
  f.canvas3Brush = ColourFromText(f.message.background);
  EnsureCanvas3(f);
  DrawAreaText(f, r, f.TelMod3.picture, f.canvas3Font);
  const int size = f.message.fontSize;
  const int y = r.top + size + size / 2 - 1;
  QPainter p(&f.TelMod3.picture);
  p.setPen(QColor::fromRgb(ColourFromText(f.message.visited)));
  p.drawLine(r.left, y, r.left + r.width, y);
}

// Arguments 3 to 6 of the panel and skin areas: empty reads as 0, anything
// else must be a number.
Area UnguardedArea(const TForm3& t) {
  auto read = [&](size_t i) { return IntUnguarded(t.arg[i].empty() ? "0" : t.arg[i]); };
  return {read(2), read(3), read(4), read(5)};
}

// Games put areas over buttons painted on the skin, so an area whose picture
// is missing is still made, at the size given; only the drawing is left out.
void DrawPanelOrSkinArea(TForm3& t, LinkRecord& r, QImage& target, const FontSpec& font) {
  TForm1& f = t.f;
  if (IsPictureName(r.picture)) {
    if (!FileExists(f.gameFolder, r.picture)) {
      t.traceLine += r.picture + kMissingFile;
      return;
    }
    DrawAreaPicture(f, r, target);
  } else if (!r.picture.empty()) {
    DrawAreaText(f, r, target, font);
  }
}

}  // namespace

bool IsPictureName(const std::string& text) {
  return Contains(text, ".gif") || Contains(text, ".png") || Contains(text, ".jpg") || Contains(text, ".bmp");
}

void CmdLinkTel(TForm3& t) {
  TForm1& f = t.f;
  if (IsPictureName(t.arg[0])) {
    t.traceLine += t.arg[0];
    if (!FileExists(f.gameFolder, t.arg[0])) {
      t.traceLine += kMissingFile;
      return;
    }
  }
  t.arg[1] = ResolveName(t.arg[1], f.exits, f.Specials());
  t.traceLine += "," + t.arg[1];
  const DisplayModel model = f.Model();
  if (model == DisplayModel::Typed) {
    t.traceLine += " <--- n\xE3o funciona no modelo \"0\"";
    return;
  }
  const Area a{IntOr(t.arg[2], 0), IntOr(t.arg[3], 0), IntOr(t.arg[4], 0), IntOr(t.arg[5], 0)};
  t.traceLine += "," + IntToStr(a.left) + "," + IntToStr(a.top);
  const std::string numbers =
      "," + IntToStr(a.width) + "," + IntToStr(a.height) + "," + t.arg[6] + "," + t.arg[7] + "," + t.arg[8];
  switch (model) {
    case DisplayModel::Picture: LinkTelPicture(t, a, numbers); break;
    case DisplayModel::Page:
      f.page.lines.push_back(IsPictureName(t.arg[0]) ? PagePictureLine(f, t) : PageTextLine(f, t));
      break;
    case DisplayModel::Canvas: LinkModel3(t, a); break;
    case DisplayModel::Typed:
    case DisplayModel::Other: break;
  }
}

void CmdLinkFunc(TForm3& t) {
  TForm1& f = t.f;
  t.arg[1] = ResolveName(t.arg[1], f.exits, f.Specials());
  if (!f.Abok2.visible) return;
  const Area a = UnguardedArea(t);
  const uint8_t cursor = CursorKind(t.arg[6], !t.arg[1].empty());
  LinkRecord& r = f.links.Take(kPanelSlots);
  Fill(r, t, a, cursor);
  DrawPanelOrSkinArea(t, r, f.panelBuffer, MessageFont(f));
}

void CmdLinkPainel(TForm3& t) {
  TForm1& f = t.f;
  t.arg[1] = ResolveName(t.arg[1], f.exits, f.Specials());
  const Area a = UnguardedArea(t);
  // A skin area that runs a script always shows the link cursor.
  const uint8_t cursor = t.arg[1].empty() ? CursorKind(t.arg[6], false) : 1;
  LinkRecord& r = f.links.Take(kBackgroundSlots);
  Fill(r, t, a, cursor);
  FontSpec font = f.lbFim.font;
  font.bold = true;
  DrawPanelOrSkinArea(t, r, CanvasOf(f.Imp), font);
}

}  // namespace lumora
