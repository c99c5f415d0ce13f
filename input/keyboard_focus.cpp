// The keyboard's focus ring over the clickable areas.
#include "input/keyboard_focus.h"

#include <algorithm>

#include "form/form1.h"

namespace lumora {
namespace {

bool PageShown(const TForm1& f, const char* caption) {
  return f.Abok0.pageIndex == kGamePage && f.Abok1.visible && f.Abok1.ActivePage() == caption;
}

// Whether the surface of a slot group is on the screen now.
bool GroupShown(const TForm1& f, int slot) {
  if (slot <= kScreenSlots.last) return PageShown(f, "1") && f.PanTel.visible && f.Tela.visible;
  if (slot <= kPanelSlots.last) return f.Abok0.pageIndex == kGamePage && f.Abok2.visible && f.TelCmd.visible;
  if (slot <= kBackgroundSlots.last)
    return (f.Abok0.pageIndex == kGamePage && f.Imp.visible) || (f.Abok0.pageIndex == kOpeningPage && f.TelAber.visible);
  return PageShown(f, "3") && f.Tela3.visible;
}

// The model-3 page scrolls so that the whole area (or its top, when it is taller
// than the box) can be seen.
void ScrollIntoView(TForm1& f, const LinkRecord& r) {
  const int top = f.Tela3.top + r.top, bottom = top + r.height;
  int& y = f.Sbox2.scrollY;
  if (bottom > y + f.Sbox2.height) y = bottom - f.Sbox2.height;
  if (top < y) y = top;
  y = std::max(0, y);
}

}  // namespace

std::vector<int> FocusableAreas(const TForm1& f) {
  std::vector<int> out;
  for (int i = 0; i < static_cast<int>(f.links.records.size()); ++i)
    if (f.links.records[static_cast<size_t>(i)].active && GroupShown(f, i)) out.push_back(i);
  return out;
}

int KeyFocusedArea(const TForm1& f) {
  const int a = f.keyFocusArea;
  if (a < 0 || a >= static_cast<int>(f.links.records.size())) return -1;
  return f.links.records[static_cast<size_t>(a)].active && GroupShown(f, a) ? a : -1;
}

int MoveKeyFocus(TForm1& f, bool forward) {
  const std::vector<int> areas = FocusableAreas(f);
  const int current = KeyFocusedArea(f);
  const bool inputTakesKeys = f.Abok0.pageIndex == kGamePage && f.Input.visible;
  int next = -1;
  if (!areas.empty()) {
    // The first area past the current slot in the direction of travel; from no
    // area, the first one at that end.
    auto after = std::upper_bound(areas.begin(), areas.end(), current);
    if (forward) {
      if (after != areas.end()) next = *after;
      else if (current < 0 || !inputTakesKeys) next = areas.front();
    } else {
      auto before = std::lower_bound(areas.begin(), areas.end(), current);
      if (current < 0) next = areas.back();
      else if (before != areas.begin()) next = *std::prev(before);
      else if (!inputTakesKeys) next = areas.back();
    }
  }
  f.keyFocusArea = next;
  if (next < 0 && inputTakesKeys) f.focus = Focus::Input;
  if (next >= kModel3Slots.first) ScrollIntoView(f, f.links.records[static_cast<size_t>(next)]);
  return next;
}

MouseSurface SurfaceOfArea(const TForm1& f, int area) {
  if (area <= kScreenSlots.last) return MouseSurface::Tela;
  if (area <= kPanelSlots.last) return MouseSurface::TelCmd;
  if (area <= kBackgroundSlots.last) return f.Abok0.pageIndex == kOpeningPage ? MouseSurface::TelAber : MouseSurface::Imp;
  return MouseSurface::Tela3;
}

bool KeyFocusPress(TForm1& f) {
  const int area = KeyFocusedArea(f);
  if (area < 0) return false;
  // The area in the ring, not the highest one under its centre: the player
  // chose it. Over the background the press starts no window drag that the
  // pointer could continue.
  AreaPress(f, SurfaceOfArea(f, area), area);
  f.keyPressArea = area;
  return true;
}

bool KeyFocusRelease(TForm1& f) {
  // Only while the area pressed is still the one in the ring: a run that
  // changed the table in between leaves the release with nothing to click.
  const int area = KeyFocusedArea(f);
  const int pressed = f.keyPressArea;
  f.keyPressArea = -1;
  if (area < 0 || area != pressed) return false;
  AreaRelease(f, SurfaceOfArea(f, area), area);
  return true;
}

bool KeyStartsGame(const TForm1& f) {
  return f.Abok0.pageIndex == kOpeningPage && f.TelAber.visible && KeyFocusedArea(f) < 0;
}

Focus KeyboardOwner(const TForm1& f) { return KeyFocusedArea(f) >= 0 ? Focus::Form : f.focus; }

}  // namespace lumora
