// Presses the close button of the player's window as a window manager does:
// finds the top-level window whose title starts with "Lumora" on $DISPLAY and
// sends it WM_DELETE_WINDOW. Exit status 0 when sent, 1 when no such window
// appeared within 30 seconds, 2 without a display.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

bool TitledLumora(Display* d, Window w) {
  XTextProperty name;
  if (!XGetWMName(d, w, &name) || !name.value) return false;
  const bool found = std::strncmp(reinterpret_cast<const char*>(name.value), "Lumora", 6) == 0;
  XFree(name.value);
  return found;
}

// Qt puts its top-level windows straight under the root when no window manager
// reparents them; one level deeper is looked at too.
Window FindWindow(Display* d, Window under, int depth) {
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(d, under, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && !found; ++i) {
    XWindowAttributes a;
    if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && TitledLumora(d, children[i]))
      found = children[i];
    else if (depth > 0)
      found = FindWindow(d, children[i], depth - 1);
  }
  if (children) XFree(children);
  return found;
}

}  // namespace

int main() {
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "x_close: cannot open the display\n");
    return 2;
  }
  Window w = 0;
  for (int tries = 0; tries < 300 && !w; ++tries) {
    w = FindWindow(d, DefaultRootWindow(d), 1);
    if (!w) usleep(100 * 1000);
  }
  if (!w) {
    std::fprintf(stderr, "x_close: no Lumora window\n");
    return 1;
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
