// The map commands. The map is MapJog's picture; "addmap=" pastes pieces onto
// it and writes it to a file of the state folder, which "loadmap=" reads back,
// so the map grows across program runs.
#include "nav/map_commands.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "form/form1.h"
#include "nav/map_page.h"
#include "view/picture_draw.h"
#include "view/picture_loader.h"

namespace lumora {
namespace {

// The picture is handed to the writer, which writes it whole to a temporary
// file that then takes the name, so a full disk never leaves half a map
// behind; a map name the game made a link is replaced, not written through.
bool SaveMapBmp(StateWriter& saver, const QImage& map, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(map)) return false;
  saver.WriteBytes(path, bytes.toStdString());
  return true;
}

// The surface a map window is drawn on, with the brush its frame is filled with.
QImage* MapWindowTarget(TForm1& f, Colour& brush) {
  const SurfaceRow* s = DrawnSurface(f.map.surface);
  if (!s) return nullptr;
  brush = s->id == SurfaceId::Tela ? f.screenBrush : s->id == SurfaceId::TelCmd ? f.panelBrush : kWhite;
  return &ScriptBuffer(f, *s);
}

const SlotGroup& MapWindowGroup(const std::string& surface) {
  const SurfaceRow* s = DrawnSurface(surface);
  return s ? *s->areas : kBackgroundSlots;
}

}  // namespace

void CmdLoadMap(TForm3& t) {
  TForm1& f = t.f;
  LoadPicture(f, t.arg[0], f.MapJog);
  if (!t.arg[1].empty()) {
    if (ReallyInsideFolder(f.stateFolder, t.arg[1])) f.map.savedNames.insert(t.arg[1]);
    // The map as the last "addmap=" saved it, on its way to the disk or there.
    std::string pending;
    bool removed = false;
    QImage saved;
    if (f.writer.Pending(ResolvePath(f.stateFolder, t.arg[1]), pending, removed) && !removed) {
      saved = QImage::fromData(reinterpret_cast<const uchar*>(pending.data()), static_cast<int>(pending.size()), "bmp");
    } else {
      if (removed) f.writer.Flush();  // "reset mapa": the game's own map, if any, is read
      const std::string& savedFolder = StateReadFolder(f.gameFolder, f.stateFolder, t.arg[1]);
      if (FileExists(savedFolder, t.arg[1]))
        saved = QImageReader(QString::fromStdString(ResolvePath(savedFolder, t.arg[1]))).read();
    }
    if (!saved.isNull()) f.MapJog.picture = saved.convertToFormat(QImage::Format_RGB32);
  }
  FitMapToPicture(f);
}

void CmdAddMap(TForm3& t) {
  TForm1& f = t.f;
  const int x = IntOr(t.arg[0], 0), y = IntOr(t.arg[1], 0);
  const std::string &piece = t.arg[2], &saved = t.arg[3];
  t.traceLine += IntToStr(x) + "," + IntToStr(y) + "," + piece;
  if (!FileExists(f.gameFolder, piece)) {
    t.traceLine += " <--- arquivo n\xE3o encontrado";
    return;
  }
  if (saved.empty()) throw ScriptError("addmap=: no file name for the map piece");
  if (!ReallyInsideFolder(f.stateFolder, saved)) {
    t.traceLine += "," + saved + kOutsideFolderTrace;
    return;
  }
  LoadPicture(f, piece, f.GrpTmp);
  const QImage& img = f.GrpTmp.picture;
  if (!img.isNull() && !f.MapJog.picture.isNull()) {
    // The piece's bottom-left pixel gives the colour that is not drawn.
    DrawTransparent(f.MapJog.picture, img, x, y, img.width(), img.height(), img.pixel(0, img.height() - 1));
  }
  const std::string path = ResolvePath(f.stateFolder, saved);
  // A map kept in a subfolder of the game has no such subfolder yet in the
  // player's own state folder.
  if (f.stateFolder != f.gameFolder) QDir().mkpath(QString::fromStdString(FolderOf(path)));
  if (!SaveMapBmp(f.writer, f.MapJog.picture, path)) throw ScriptError("addmap=: cannot write the map " + saved);
  f.map.savedNames.insert(saved);
  t.traceLine += "," + saved;
}

void CmdDefPicMap(TForm3& t) {
  TForm1& f = t.f;
  const std::string& surface = t.arg[0];
  t.traceLine += surface;
  if (!DrawnSurface(surface)) {
    t.traceLine += " <--- local inexistente";
    return;
  }
  f.map.surface = surface;
  f.map.left = IntOr(t.arg[1], 0);
  f.map.top = IntOr(t.arg[2], 0);
  f.map.width = IntOr(t.arg[3], 0);
  f.map.height = IntOr(t.arg[4], 0);
  t.traceLine += "," + IntToStr(f.map.left) + "," + IntToStr(f.map.top) + "," + IntToStr(f.map.width) + "," +
                 IntToStr(f.map.height);
}

void CmdPicMap(TForm3& t) {
  TForm1& f = t.f;
  MapState& m = f.map;
  // No argument repeats the last origin.
  const int x = t.arg[0].empty() ? m.originX : IntOr(t.arg[0], 0);
  const int y = t.arg[1].empty() ? m.originY : IntOr(t.arg[1], 0);
  t.traceLine += IntToStr(x) + "," + IntToStr(y);
  m.originX = x;
  m.originY = y;
  Colour brush = kWhite;
  QImage* target = MapWindowTarget(f, brush);
  if (!target) return;
  if (!target->isNull()) {
    // A one-pixel black frame stays around the window.
    QPainter p(target);
    p.setPen(QColor(Qt::black));
    p.setBrush(QColor::fromRgb(brush));
    p.drawRect(m.left - 1, m.top - 1, m.width + 1, m.height + 1);
  }
  CopyRect(*target, m.left, m.top, f.MapJog.picture, QRect(x, y, m.width, m.height));
  LinkRecord& r = f.links.Take(MapWindowGroup(m.surface));
  r = LinkRecord{};
  r.script = "picFmap";
  r.left = m.left;
  r.top = m.top;
  r.width = m.width;
  r.height = m.height;
  r.cursor = 1;
  r.active = true;
}

void CmdShowMap(TForm3& t) {
  if (t.arg[0] == "on") ShowMapOn(t.f);
  else if (t.arg[0] == "off") ShowMapOff(t.f);
}

void CmdPosMap(TForm3& t) {
  MapState& m = t.f.map;
  m.markerLeft = IntOr(t.arg[0], 0);
  m.markerTop = IntOr(t.arg[1], 0);
  m.scrollH = IntOr(t.arg[2], 0);
  m.scrollV = IntOr(t.arg[3], 0);
  // The marker's middle on the map: where "showmap= on" finds the player.
  m.pointX = m.markerLeft + m.scrollH + t.f.Voce.width / 2;
  m.pointY = m.markerTop + m.scrollV + t.f.Voce.height / 2;
  t.traceLine += IntToStr(m.markerLeft) + "," + IntToStr(m.markerTop) + "," + IntToStr(m.scrollH) + "," +
                 IntToStr(m.scrollV);
}

}  // namespace lumora
