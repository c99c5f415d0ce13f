// Finds the player's top-level windows on an X display: the viewable window whose title starts with "Lumora"
// (the game's), or with another text (the inspector beside it).
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstring>

namespace lumora_x {

inline bool Titled(Display* d, Window w, const char* start) {
  XTextProperty name;
  if (!XGetWMName(d, w, &name) || !name.value) return false;
  const bool found = std::strncmp(reinterpret_cast<const char*>(name.value), start, std::strlen(start)) == 0;
  XFree(name.value);
  return found;
}

// Qt puts its top-level windows straight under the root when no window manager
// reparents them; one level deeper is looked at too.
inline Window FindWindow(Display* d, Window under, int depth, const char* start = "Lumora") {
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(d, under, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && !found; ++i) {
    XWindowAttributes a;
    if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && Titled(d, children[i], start))
      found = children[i];
    else if (depth > 0)
      found = FindWindow(d, children[i], depth - 1, start);
  }
  if (children) XFree(children);
  return found;
}

// The window once it is viewable, looked for every 100 ms for up to 30 seconds; 0 when it never shows.
inline Window WaitForWindow(Display* d, const char* start = "Lumora") {
  Window w = 0;
  for (int tries = 0; tries < 300 && !w; ++tries) {
    w = FindWindow(d, DefaultRootWindow(d), 1, start);
    if (!w) usleep(100 * 1000);
  }
  return w;
}

}  // namespace lumora_x
