// The mouse over Tela, TelCmd, Imp and TelAber, and Tela3: hit tests, pressed
// pictures, what a release leads to, the window drag.
#include "input/mouse.h"

#include <QUrl>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/text1252.h"
#include "core/trace.h"
#include "form/config.h"
#include "form/form1.h"
#include "media/click_sounds.h"
#include "nav/map_page.h"
#include "script/run_script.h"
#include "view/picture_draw.h"
#include "view/picture_loader.h"
#include "view/read_aloud.h"

namespace lumora {
namespace {

const SlotGroup& GroupOf(MouseSurface s) { return *Surface(s).areas; }

// The control whose pointer shape the surface's handler sets, and whose
// picture a pressed picture is drawn on: TelAber's are Imp's, as both share
// one handler.
template <class Form>
auto& CursorOwner(Form& f, MouseSurface s) {
  return f.*Surface(s == MouseSurface::TelAber ? MouseSurface::Imp : s).control;
}

QImage& PictureOf(TForm1& f, MouseSurface s) { return CanvasOf(CursorOwner(f, s)); }

Cursor RestingCursor(const TForm1& f, MouseSurface s) {
  if (s == MouseSurface::Imp || s == MouseSurface::TelAber) return Cursor::MultiDrag;
  if (s == MouseSurface::Tela && !f.pictureClickScript.empty()) return Cursor::Drag;
  return Cursor::Arrow;
}

// The hovered area when it belongs to the surface's group.
LinkRecord* Hovered(TForm1& f, MouseSurface s) {
  const SlotGroup& g = GroupOf(s);
  if (f.hoveredArea < g.first || f.hoveredArea > g.last) return nullptr;
  return &f.links.records[static_cast<size_t>(f.hoveredArea)];
}

// Draws a picture over the area, stretched to it when the sizes differ. A
// picture that is missing or cannot be read leaves the surface as it was: the
// click still counts.
void DrawOverArea(TForm1& f, const std::string& name, const LinkRecord& r, QImage& target) {
  if (!FileExists(f.gameFolder, name)) return;
  f.BufShp.picture = QImage();
  try {
    LoadPicture(f, name, f.BufShp);
  } catch (const ScriptError&) {
    return;
  }
  const QImage& pic = f.BufShp.picture;
  DrawTransparent(target, pic, r.left, r.top, r.width ? r.width : pic.width(), r.height ? r.height : pic.height());
}

// A reference holding a web address, which a click hands to the browser.
bool IsWebReference(const std::string& reference) {
  return reference.find("http://") != std::string::npos || reference.find("https://") != std::string::npos;
}

// The browser gets the address from its scheme on, and only a well-formed
// http(s) URL; a script never runs for it.
void OpenWebReference(TForm1& f, const std::string& reference) {
  size_t at = reference.find("http://");
  if (at == std::string::npos) at = reference.find("https://");
  const std::string address = reference.substr(at);
  const QUrl url(QString::fromUtf8(Utf8FromCp1252(address)), QUrl::StrictMode);
  const bool web = url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty();
  if (!web) {
    Trace("Endere\xE7o inv\xE1lido, n\xE3o foi aberto: " + address);
    return;
  }
  f.platform.OpenUrl(address);
}

// What the release of an area leads to.
void Follow(TForm1& f, MouseSurface s, const std::string& reference) {
  if (reference.empty()) return;
  if (reference == "picFmap" && s != MouseSurface::Tela3) {
    MapPageToggle(f);
  } else if (IsWebReference(reference)) {
    OpenWebReference(f, reference);
  } else {
    ReadAfterNewAction(f);
    if (s == MouseSurface::Tela) f.platform.ProcessMessages(Platform::PlayerInput::Held);
    RunScript(f, reference);
  }
}

// The hit test: the surface's resting pointer, then every active area of its
// group in slot order, the highest hit winning. True when the pointer's shape
// changed.
bool HitTest(TForm1& f, MouseSurface s, int x, int y) {
  ImageBox& owner = CursorOwner(f, s);
  const Cursor before = owner.cursor;
  Cursor shape = RestingCursor(f, s);
  f.hoveredArea = -1;
  const SlotGroup& g = GroupOf(s);
  for (int i = g.first; i <= g.last; ++i) {
    const LinkRecord& r = f.links.records[static_cast<size_t>(i)];
    if (!r.active) continue;
    if (r.left <= x && x <= r.left + r.width && r.top <= y && y <= r.top + r.height) {
      f.hoveredArea = i;
      shape = CursorOfKind(r.cursor);
    }
  }
  owner.cursor = shape;
  return shape != before;
}

// The press on the hovered area: its sound, its pressed picture, a pass for the
// window to show it.
void PressHovered(TForm1& f, MouseSurface s) {
  const LinkRecord* r = Hovered(f, s);
  if (!r) return;
  // On Tela only an area with a pressed picture sounds; on the other surfaces
  // every area does.
  if (s == MouseSurface::Tela && r->pressed.empty()) return;
  const LinkRecord area = *r;
  PlayClickSound(f, area.sound);
  if (!area.pressed.empty()) DrawOverArea(f, area.pressed, area, PictureOf(f, s));
  if (s != MouseSurface::Tela3) f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

void ReleaseHovered(TForm1& f, MouseSurface s) {
  const LinkRecord* r = Hovered(f, s);
  if (!r) return;
  const LinkRecord area = *r;
  if (!area.pressed.empty()) {
    DrawOverArea(f, area.picture, area, PictureOf(f, s));
    f.platform.ProcessMessages(Platform::PlayerInput::Held);
  }
  Follow(f, s, area.script);
}

void RunPictureClickScript(TForm1& f, MouseSurface s) {
  // A copy: the run clears the picture click script as it starts.
  if (s == MouseSurface::Tela && !f.pictureClickScript.empty()) RunScript(f, std::string(f.pictureClickScript));
}

}  // namespace

MoveEffect SurfaceMouseMove(TForm1& f, MouseSurface s, int x, int y) {
  MoveEffect effect;
  effect.cursor = HitTest(f, s, x, y);
  const bool background = s == MouseSurface::Imp || s == MouseSurface::TelAber;
  if (background && f.dragging && f.hoveredArea < 0 && (x != f.pressX || y != f.pressY)) {
    // The surface moves with the window, so the grabbed point stays under the
    // pointer: the design offset, in screen pixels.
    f.windowLeft += (x - f.pressX) * f.zoom;
    f.windowTop += (y - f.pressY) * f.zoom;
    effect.window = true;
  }
  return effect;
}

// Each press and release is hit-tested where it happens, against the table of
// that moment: after a run refilled the table, the area hovered at the last
// movement may be another one with the same slot number (the pointer stood
// still over the arrow it had just clicked).
void SurfaceMouseDown(TForm1& f, MouseSurface s, int x, int y) {
  RunPictureClickScript(f, s);
  HitTest(f, s, x, y);
  if (s == MouseSurface::Imp || s == MouseSurface::TelAber) {
    f.pressX = x;
    f.pressY = y;
    f.dragging = true;
  }
  PressHovered(f, s);
}

void SurfaceMouseUp(TForm1& f, MouseSurface s, int x, int y) {
  if (s == MouseSurface::Imp || s == MouseSurface::TelAber) f.dragging = false;
  HitTest(f, s, x, y);
  ReleaseHovered(f, s);
}

void SurfaceDoubleClick(TForm1& f, MouseSurface s, int x, int y) { SurfaceMouseDown(f, s, x, y); }

const Control& CursorOwnerOf(const TForm1& f, MouseSurface s) { return CursorOwner(f, s); }

void AreaPress(TForm1& f, MouseSurface s, int area) {
  RunPictureClickScript(f, s);
  f.hoveredArea = area;
  PressHovered(f, s);
}

void AreaRelease(TForm1& f, MouseSurface s, int area) {
  f.hoveredArea = area;
  ReleaseHovered(f, s);
}

int Sbox2ScrollMax(const TForm1& f) { return std::max(0, f.Tela3.top + f.Tela3.height - f.Sbox2.height); }

bool Sbox2MouseWheel(TForm1& f, QPoint pointer, QRect box, int delta) {
  // Bounds included: the right and bottom edges count as inside.
  const bool inside = pointer.x() >= box.left() && pointer.x() <= box.left() + box.width() &&
                      pointer.y() >= box.top() && pointer.y() <= box.top() + box.height();
  if (!inside) return false;
  f.Sbox2.scrollY = std::clamp(f.Sbox2.scrollY - delta, 0, Sbox2ScrollMax(f));
  return true;
}

void MapJogMouseDown(TForm1& f, int x, int y) {
  f.map.dragX = x;
  f.map.dragY = y;
  f.map.dragging = true;
}

// The start point stays: MapJog moves with the scroll, so the grabbed point
// comes back under the pointer and the next move measures only new motion.
bool MapJogMouseMove(TForm1& f, int x, int y) {
  if (!f.map.dragging) return false;
  const int h = f.Sbc1.scrollX, v = f.Sbc1.scrollY;
  SetMapScroll(f, h + (x != f.map.dragX ? f.map.dragX - x : 0), v + (y != f.map.dragY ? f.map.dragY - y : 0));
  return f.Sbc1.scrollX != h || f.Sbc1.scrollY != v;
}

void MapJogMouseUp(TForm1& f) { f.map.dragging = false; }

void VoceClick(TForm1& f) {
  f.Abok1.ShowPage(f.Modelo);
  if (f.Posic.empty()) return;
  const DisplayModel m = f.Model();
  if (m == DisplayModel::Typed || m == DisplayModel::Picture) f.Abok1.width = ConfigInt(f, kDisplayWidth);
  f.Script = f.Posic;
  RunScript(f, std::string(f.Posic));
}

}  // namespace lumora
