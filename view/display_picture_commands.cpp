// "display" and "display=" with a picture.
#include "view/display_picture_commands.h"

#include "core/paths.h"
#include "core/strings.h"
#include "form/form1.h"
#include "form/surfaces.h"
#include "view/display_text.h"
#include "view/picture_loader.h"

namespace lumora {
namespace {

bool IsPictureName(const std::string& name) {
  return Contains(name, ".gif") || Contains(name, ".png") || Contains(name, ".jpg") || Contains(name, ".bmp");
}

// Model 2: an image line with the picture's own size where none is given.
void PictureLine(TForm3& t) {
  TForm1& f = t.f;
  LoadPicture(f, t.arg[0], f.BufShp);
  const QImage& picture = f.BufShp.picture;
  const std::string height = " height=" + (t.arg[5].empty() ? IntToStr(picture.height()) : t.arg[5]);
  const std::string width = " width=" + (t.arg[4].empty() ? IntToStr(picture.width()) : t.arg[4]);
  std::string line = "<img src=" + f.gameFolderUrl + t.arg[0] + width + height + " border=0 ";
  const std::string& align = t.arg[6];
  if (align == "left" || align == "right") line += "align=" + align;
  if (align == "center") line = "<div align=center>" + line + "></div";
  line += ">";
  t.traceLine += "," + t.arg[4] + "," + t.arg[5] + "," + t.arg[6] + "," + t.arg[7] + "," + t.arg[8];
  f.page.lines.push_back(line);
}

// Other models: the picture drawn at (x, y), in its own size where the
// arguments give none.
void DrawDisplayPicture(TForm3& t, const std::string& surface, int x, int y) {
  TForm1& f = t.f;
  const int width = IntOr(t.arg[4], 0), height = IntOr(t.arg[5], 0);
  const std::string& name = t.arg[0];
  if (NamesSurface(surface, SurfaceId::TelCmd)) {
    DrawPictureAt(f, name, x, y, f.TelCmd, width, height);
  } else if (NamesSurface(surface, SurfaceId::Imp)) {
    DrawPictureAt(f, name, x, y, f.Imp, width, height);
  } else if (f.Model() == DisplayModel::Picture) {
    DrawPictureAt(f, name, x, y, f.Tela, width, height);
  } else if (f.Model() == DisplayModel::Canvas) {
    DrawPictureAt(f, name, x + f.textX, y + f.textY, f.TelMod3, width, height);
  }
  t.traceLine += "," + IntToStr(width) + "," + IntToStr(height);
}

void DisplayPicture(TForm3& t) {
  TForm1& f = t.f;
  const std::string& name = t.arg[0];
  const std::string& surface = t.arg[1];
  if (!FileExists(f.gameFolder, name)) {
    t.traceLine += name + " <--- arquivo inexistente!";
    return;
  }
  t.traceLine += name;
  if (!DrawnSurface(surface)) {
    t.traceLine += "," + surface + " <--- n\xE3o indicou o local tel/fnc/tel!";
    return;
  }
  const int x = IntOr(t.arg[2], 0), y = IntOr(t.arg[3], 0);
  t.traceLine += "," + surface + "," + IntToStr(x) + "," + IntToStr(y);
  if (NamesSurface(surface, SurfaceId::Tela) && f.Model() == DisplayModel::Page) PictureLine(t);
  else DrawDisplayPicture(t, surface, x, y);
}

}  // namespace

void CmdDisplay(TForm3& t) {
  if (IsPictureName(t.arg[0])) DisplayPicture(t);
  else DisplayText(t);
}

}  // namespace lumora
