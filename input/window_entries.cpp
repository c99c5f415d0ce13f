// What the window learns from the window system, kept in the model.
#include "input/window_entries.h"

#include <algorithm>
#include <utility>

#include "form/form1.h"
#include "input/mouse.h"
#include "input/typed_command.h"
#include "nav/map_page.h"

namespace lumora {

void WindowMoved(TForm1& f, int left, int top) {
  f.windowLeft = left;
  f.windowTop = top;
}

void MapScrolledByPlayer(TForm1& f, int h, int v) { SetMapScroll(f, h, v); }

void PageScrolledByPlayer(TForm1& f, int v) { f.Sbox2.scrollY = std::clamp(v, 0, Sbox2ScrollMax(f)); }

void KeyboardTaken(TForm1& f, Focus to) {
  f.keyFocusArea = -1;
  f.focus = to;
}

void MsgMd0Touched(TForm1& f) {
  f.focus = Focus::MsgMd0;
  MsgMd0PassFocus(f);
}

bool WebViewWanted(const TForm1& f) {
  return !f.WebB.created && f.Abok0.pageIndex == 0 && f.Abok1.ActivePage() == "2";
}

void WebViewStarted(TForm1& f) { f.WebB.created = true; }

std::string TakeNotice(TForm1& f) { return std::exchange(f.notice, std::string()); }

void ControlPressed(TForm1& f, const Control& c) { f.pressedControl = &c; }

bool ControlReleased(TForm1& f, const Control& c, int x, int y) {
  const bool pressedHere = std::exchange(f.pressedControl, nullptr) == &c;
  return pressedHere && x >= 0 && y >= 0 && x < c.width && y < c.height;
}

}  // namespace lumora
