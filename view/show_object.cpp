// "showobj=": an object's name, description or picture, as each display model
// shows it.
#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"
#include "state/object_table.h"
#include "view/display_picture_commands.h"
#include "view/model_text.h"
#include "view/picture_draw.h"
#include "view/picture_loader.h"
#include "form/text_codes.h"
#include "view/text_draw.h"
#include "view/typing.h"

namespace lumora {
namespace {

struct ObjectParts {
  std::string name, description, picture;
};

// Model 1, the name on the screen buffer: clipped to its rectangle, in the
// screen font at the message size changed by argument 8 and in the colour of
// argument 9 (unguarded: no colour is an error). The font then takes the
// message size and the text colour again.
void NameOnScreen(TForm3& t, const std::string& name) {
  TForm1& f = t.f;
  const int x = IntOr(t.arg[3], 0), y = IntOr(t.arg[4], 0);
  const int width = IntOr(t.arg[5], f.screenBuffer.width()), height = IntOr(t.arg[6], f.screenBuffer.height());
  f.screenFont.size = SaturatedInt(int64_t{f.message.fontSize} + IntOr(t.arg[7], 0));
  f.screenFont.color = ColourFromText(t.arg[8]);
  DrawTextTransparent(f.screenBuffer, x, y, f.screenFont, name, QRect(x, y, width, height));
  f.screenFont.size = f.message.fontSize;
  f.screenFont.color = ColourFromText(f.message.text);
}

void PictureOnSurface(TForm3& t, const std::string& picture) {
  TForm1& f = t.f;
  LoadPicture(f, picture, f.BufShp);
  const int x = IntOr(t.arg[3], 0), y = IntOr(t.arg[4], 0);
  const int width = IntOr(t.arg[5], 180), height = IntOr(t.arg[6], 180);
  const std::string& where = t.arg[2];
  if (const SurfaceRow* s = DrawnSurface(where)) DrawTransparent(ScriptBuffer(f, *s), f.BufShp.picture, x, y, width, height);
}

void ShowOnPictureScreen(TForm3& t, const std::string& part, const ObjectParts& o) {
  TForm1& f = t.f;
  const std::string& where = t.arg[2];
  if (part == "tit") {
    if (where == "msg") AddLine(f.Msg, o.name);
    else if (NamesSurface(where, SurfaceId::Tela)) NameOnScreen(t, o.name);
    else if (NamesSurface(where, SurfaceId::TelCmd)) DrawTextTransparent(f.panelBuffer, IntOr(t.arg[3], 0), IntOr(t.arg[4], 0), f.panelFont, o.name);
  } else if (part == "dsc") {
    AddLine(f.Msg, o.description);
  } else if (part == "shp") {
    PictureOnSurface(t, o.picture);
  }
}

void ShowOnPage(TForm3& t, const std::string& part, const ObjectParts& o) {
  TForm1& f = t.f;
  StringList& page = f.page.lines;
  if (part == "tit") {
    page.push_back("<font color=#" + t.arg[4] + " style=\"font-size:1.3em; \">" + o.name + "</font>");
  } else if (part == "dsc") {
    page.push_back(o.description + "<br>");
  } else if (part == "shp") {
    const std::string width = IntToStr(IntOr(t.arg[5], 180)), height = IntToStr(IntOr(t.arg[6], 180));
    const std::string align = t.arg[3].empty() ? "" : "align=" + t.arg[3];
    page.push_back("<img src=" + f.gameFolderUrl + o.picture + " width=" + width + " height=" + height +
                   " border=0 " + align + ">");
  }
}

}  // namespace

void CmdShowObj(TForm3& t) {
  TForm1& f = t.f;
  const int record = FindObjectRecord(f.state, t.arg[0]);
  if (record < 0) return;
  const DisplayModel model = f.Model();
  const auto line = [&](int field) { return f.state.objectTable[static_cast<size_t>(record + field)]; };
  const ObjectParts o{ApplyTextCodes(line(kNom), model), ApplyTextCodes(line(kDsc), model), line(kShp)};
  const std::string& part = t.arg[1];
  switch (model) {
    case DisplayModel::Typed:
      if (part == "tit") TypeText(f, o.name + "\r\n");
      else if (part == "dsc") TypeText(f, o.description + "\r\n");
      break;
    case DisplayModel::Picture: ShowOnPictureScreen(t, part, o); break;
    case DisplayModel::Page: ShowOnPage(t, part, o); break;
    case DisplayModel::Canvas:
    case DisplayModel::Other: break;
  }
}

}  // namespace lumora
