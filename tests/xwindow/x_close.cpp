// Presses the close button of the player's window as a window manager does:
// finds the top-level window whose title starts with "Lumora" on $DISPLAY and
// sends it WM_DELETE_WINDOW. First it prints the window's class (WM_CLASS),
// which a desktop matches with the desktop entry's StartupWMClass. Exit status
// 0 when sent, 1 when no such window appeared within 30 seconds, 2 without a
// display.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

#include "x_find.h"

int main() {
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "x_close: cannot open the display\n");
    return 2;
  }
  const Window w = lumora_x::WaitForWindow(d);
  if (!w) {
    std::fprintf(stderr, "x_close: no Lumora window\n");
    return 1;
  }
  XClassHint hint{};
  if (XGetClassHint(d, w, &hint)) {
    std::printf("%s\n", hint.res_class ? hint.res_class : "");
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, w, False, NoEventMask, &e);
  XSync(d, False);
  XCloseDisplay(d);
  return 0;
}
