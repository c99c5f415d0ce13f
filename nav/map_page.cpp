// The map page: toggle, refresh, "showmap=" and the scroll box's range.
#include "nav/map_page.h"

#include <algorithm>

#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"

namespace lumora {
namespace {

// The visible size of the scroll box: each bar shown takes its thickness, and
// a bar needed for the other direction can make this one needed too.
void VisibleSize(const TForm1& f, int& width, int& height) {
  const ScrollBox& box = f.Sbc1;
  width = box.width;
  height = box.height;
  bool h = false, v = false;
  for (int pass = 0; pass < 2; ++pass) {
    h = f.MapJog.width > width;
    v = f.MapJog.height > height;
    width = SaturatedInt(int64_t{box.width} - (v ? box.barSize : 0));
    height = SaturatedInt(int64_t{box.height} - (h ? box.barSize : 0));
  }
}

void ShowModelPage(TForm1& f) { f.Abok1.ShowPage(f.Modelo); }

// One axis of the centring: the scroll that brings the point to the middle of
// the display, kept inside the map, and the marker's place in the view.
struct Centred {
  int scroll, marker;
};
Centred Centre(int point, int markerSize, int display, int mapSize) {
  const int x0 = point - markerSize / 2;
  const int half = (display - markerSize) / 2;
  int scroll = x0 - half;
  if (half > x0) scroll = 0;
  if (mapSize - display < x0) scroll = mapSize - display;
  // A map smaller than the display cannot scroll: the marker is placed from the
  // scroll that is possible, so it stands on the point all the same.
  scroll = std::max(0, scroll);
  return {scroll, x0 - scroll};
}

}  // namespace

int MapScrollMaxH(const TForm1& f) {
  int w, h;
  VisibleSize(f, w, h);
  return std::max(0, SaturatedInt(int64_t{f.MapJog.width} - w));
}

int MapScrollMaxV(const TForm1& f) {
  int w, h;
  VisibleSize(f, w, h);
  return std::max(0, SaturatedInt(int64_t{f.MapJog.height} - h));
}

void SetMapScroll(TForm1& f, int h, int v) {
  h = std::clamp(h, 0, MapScrollMaxH(f));
  v = std::clamp(v, 0, MapScrollMaxV(f));
  f.Voce.left -= h - f.Sbc1.scrollX;
  f.Voce.top -= v - f.Sbc1.scrollY;
  f.Sbc1.scrollX = h;
  f.Sbc1.scrollY = v;
}

void FitMapToPicture(TForm1& f) {
  if (f.MapJog.picture.isNull()) return;
  f.MapJog.width = f.MapJog.picture.width();
  f.MapJog.height = f.MapJog.picture.height();
}

void MapPageRefresh(TForm1& f) {
  f.Abok1.height = ConfigInt(f, kMapHeight);
  SetMapScroll(f, f.map.scrollH, f.map.scrollV);
  f.Voce.left = f.map.markerLeft;
  f.Voce.top = f.map.markerTop;
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

void MapPageToggle(TForm1& f) {
  if (f.Abok1.ActivePage() == "Mapa") {
    ShowModelPage(f);
    f.Abok1.height = f.map.savedDisplayHeight;
    f.Input.visible = f.map.savedInputVisible;
    return;
  }
  f.map.savedInputVisible = f.Input.visible;
  f.map.savedDisplayHeight = f.Abok1.height;
  f.Input.visible = false;
  f.Abok1.ShowPage("Mapa");
  MapPageRefresh(f);
}

void ShowMapOn(TForm1& f) {
  f.Input.visible = false;
  f.Abok1.ShowPage("Mapa");
  f.Abok1.height = f.Sbc1.height;
  f.Abok1.width = f.Sbc1.width;
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  const Centred x = Centre(f.map.pointX, f.Voce.width, f.Abok1.width, f.MapJog.width);
  const Centred y = Centre(f.map.pointY, f.Voce.height, f.Abok1.height, f.MapJog.height);
  SetMapScroll(f, x.scroll, y.scroll);
  f.Voce.left = x.marker + x.scroll - f.Sbc1.scrollX;
  f.Voce.top = y.marker + y.scroll - f.Sbc1.scrollY;
}

void ShowMapOff(TForm1& f) {
  ShowModelPage(f);
  switch (f.Model()) {
    case DisplayModel::Typed:
      f.Input.visible = VisibleFromText(ConfigLine(f, kInputVisible));
      f.Abok1.height = ConfigInt(f, kDisplayHeight);
      break;
    case DisplayModel::Picture:
      f.Msg.visible = VisibleFromText(ConfigLine(f, kMsgVisible));
      f.Input.visible = VisibleFromText(ConfigLine(f, kInputVisible));
      f.Abok1.height = ConfigInt(f, kDisplayHeight);
      break;
    case DisplayModel::Page:
      f.Input.visible = false;
      f.Abok1.width = ConfigInt(f, kDisplayWidth);
      f.Abok1.height = SaturatedInt(int64_t{ConfigInt(f, kInputTop)} + ConfigInt(f, kInputHeight) - f.Abok1.top);
      break;
    case DisplayModel::Canvas:
      f.Abok1.width = ConfigInt(f, kModel3Width);
      f.Abok1.height = ConfigInt(f, kModel3Height);
      break;
    case DisplayModel::Other: break;
  }
}

}  // namespace lumora
