// Load picture, Draw picture at, the window's shape and the end-of-run composition.
#include "view/picture_loader.h"

#include "core/paths.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "form/form1.h"
#include "view/canvas3.h"
#include "view/picture_decoders.h"
#include "view/picture_draw.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

void Assign(ImageBox& box, QImage img) {
  box.picture = std::move(img);
  if (box.autoSize) {
    box.width = box.picture.width();
    box.height = box.picture.height();
  }
}

void AssignIfDecoded(ImageBox& box, QImage img) {
  if (!img.isNull()) Assign(box, std::move(img));
}

// The four extension tests are independent: a name holding two of them is read
// by both decoders in turn. They look at the name as the script gave it, not at
// the folder the game was installed in, whose name is the player's choice.
void DecodeInto(TForm1& f, const std::string& name, ImageBox& box) {
  const std::string path = ResolvePath(f.gameFolder, name);
  if (Contains(name, ".png")) Assign(box, DecodePngFile(path, Cp1252FromUtf8(f.gameFolder) + name));
  if (Contains(name, ".jpg")) AssignIfDecoded(box, DecodeJpegFile(path));
  if (Contains(name, ".bmp")) AssignIfDecoded(box, DecodeBmpFile(path));
  if (Contains(name, ".gif")) AssignIfDecoded(box, DecodeGifFile(path));
}

}  // namespace

void LoadPicture(TForm1& f, const std::string& name, ImageBox& surface) {
  QImage* buffer = nullptr;
  if (name.empty()) {
    surface.picture = QImage();
  } else {
    ImageBox* target = &surface;
    if (&surface == &f.Tela) buffer = &f.screenBuffer;
    if (&surface == &f.TelCmd) buffer = &f.panelBuffer;
    if (buffer) target = &f.BufShp;
    DecodeInto(f, name, *target);
  }
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  // Every decoder gives 24-bit pictures; BufShp draws with magenta transparent.
  f.BufShp.transparent = true;
  if (buffer) DrawTransparent(*buffer, f.BufShp.picture, 0, 0);
}

void DrawPictureAt(TForm1& f, const std::string& name, int x, int y, ImageBox& surface, int width, int height) {
  LoadPicture(f, name, f.BufShp);
  const QImage& picture = f.BufShp.picture;
  if (width == 0) width = picture.width();
  if (height == 0) height = picture.height();
  if (&surface == &f.TelMod3) {
    if (int64_t{y} + height > f.TelMod3.height) SetCanvas3Height(f, int64_t{y} + height + 10);
    f.textY += picture.height();
  }
  QImage* dest = nullptr;
  if (&surface == &f.Tela && f.Model() == DisplayModel::Picture) dest = &f.screenBuffer;
  else if (&surface == &f.TelCmd) dest = &f.panelBuffer;
  else dest = &CanvasOf(surface);
  DrawTransparent(*dest, picture, x, y, width, height);
}

void ShapeWindow(TForm1& f) {
  // A skin that could not be loaded leaves the window as it is: an empty region
  // would make it vanish, and with it every way to click.
  if (f.Imp.picture.isNull()) return;
  SizeGameArea(f, f.Imp.width, f.Imp.height);
  f.shape = ShapeRegion(f.Imp.picture);
  f.shaped = true;
}

void DrawHud(TForm1& f) {
  if (f.Hud.tag != 1) return;
  f.Hud.transparent = true;
  DrawTransparent(f.screenBuffer, f.Hud.picture, f.hudX, f.hudY);
}

void CopyBuffersToScreen(TForm1& f) {
  if (f.Model() == DisplayModel::Picture && !f.screenBuffer.isNull()) DrawOpaque(CanvasOf(f.Tela), f.screenBuffer);
  if (!f.panelBuffer.isNull()) DrawOpaque(CanvasOf(f.TelCmd), f.panelBuffer);
}

}  // namespace lumora
