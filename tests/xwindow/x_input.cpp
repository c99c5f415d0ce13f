// Gives the player's window real input through the XTest extension, as a hand on a mouse,
// a touchpad and a keyboard would, and reads back pixels of the window.
//
//   lumora_x_input ACTION...    on $DISPLAY, coordinates in pixels of the window "Lumora: ..."
//   move X Y         the pointer moves there
//   click X Y        press, a hand's moment, release; the pointer moves there first only
//                    when it is elsewhere (a still pointer sends no motion at all)
//   tap X Y          press and release back to back in one flush, as a touchpad tap
//                    (moving first, as click does, only when the pointer is elsewhere)
//   key NAME         a key by its keysym name (Return, Tab, a...), press and release back to back;
//                    "ctrl+NAME" with Control held
//   type TEXT        letters, digits and blanks, each pressed and released back to back
//   sleep MS
//   grab X Y W H FILE  the window's pixels there, as a binary PPM
//   window TITLE     waits for a window whose title starts with TITLE (one word) to show
//
// Exit status 0 when done, 1 when the window (or the one waited for) did not show within 30
// seconds or a grab failed, 2 without a display or the XTest extension, 3 for an action it cannot read.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "x_find.h"

namespace {

struct Target {
  Display* d;
  Window w;
};

bool Number(const char* text, int& out) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (end == text || *end) return false;
  out = static_cast<int>(v);
  return true;
}

// Moves the pointer to (x, y) of the window unless it is there already; the
// motion is seen on its own, before anything that follows.
void MoveTo(const Target& t, int x, int y, bool always) {
  Window root = DefaultRootWindow(t.d), child, ignored;
  int rx = 0, ry = 0, px = 0, py = 0, wx = 0, wy = 0;
  unsigned int mask = 0;
  XTranslateCoordinates(t.d, t.w, root, x, y, &rx, &ry, &child);
  XQueryPointer(t.d, root, &ignored, &child, &px, &py, &wx, &wy, &mask);
  if (!always && px == rx && py == ry) return;
  XTestFakeMotionEvent(t.d, DefaultScreen(t.d), rx, ry, CurrentTime);
  XSync(t.d, False);
  usleep(60 * 1000);
}

// A keysym's key pressed and released back to back, with Shift when the keysym
// sits on the key's shifted level. False when the keyboard has no such key.
bool PressKey(const Target& t, KeySym sym) {
  const KeyCode code = XKeysymToKeycode(t.d, sym);
  if (!code) return false;
  const bool shift = XkbKeycodeToKeysym(t.d, code, 0, 0) != sym;
  const KeyCode shiftCode = XKeysymToKeycode(t.d, XK_Shift_L);
  if (shift) XTestFakeKeyEvent(t.d, shiftCode, True, CurrentTime);
  XTestFakeKeyEvent(t.d, code, True, CurrentTime);
  XTestFakeKeyEvent(t.d, code, False, CurrentTime);
  if (shift) XTestFakeKeyEvent(t.d, shiftCode, False, CurrentTime);
  return true;
}

bool Type(const Target& t, const std::string& text) {
  for (const char c : text) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ') return false;
    const std::string name = c == ' ' ? std::string("space") : std::string(1, c);
    if (!PressKey(t, XStringToKeysym(name.c_str()))) return false;
  }
  XFlush(t.d);
  return true;
}

// One colour channel of a true-colour pixel, as 8 bits.
unsigned char Channel(unsigned long pixel, unsigned long mask) {
  if (!mask) return 0;
  const int shift = __builtin_ctzl(mask);
  const unsigned long top = mask >> shift;
  return static_cast<unsigned char>(((pixel & mask) >> shift) * 255 / top);
}

// The region's pixels as a binary PPM (P6), read from the screen the window shows on.
bool Grab(const Target& t, int x, int y, int width, int height, const char* path) {
  XSync(t.d, False);
  XImage* image = XGetImage(t.d, t.w, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height), AllPlanes,
                            ZPixmap);
  if (!image) return false;
  FILE* out = std::fopen(path, "wb");
  if (!out) {
    XDestroyImage(image);
    return false;
  }
  std::fprintf(out, "P6\n%d %d\n255\n", width, height);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      const unsigned long p = XGetPixel(image, col, row);
      const unsigned char rgb[3] = {Channel(p, image->red_mask), Channel(p, image->green_mask),
                                    Channel(p, image->blue_mask)};
      std::fwrite(rgb, 1, 3, out);
    }
  }
  XDestroyImage(image);
  return std::fclose(out) == 0;
}

// Performs the action at argv[i], advancing i past its words. Returns the exit status, 0 to go on.
int Perform(const Target& t, int argc, char** argv, int& i) {
  const std::string verb = argv[i++];
  auto words = [&](int n) { return i + n <= argc; };
  int n[4] = {0, 0, 0, 0};
  auto numbers = [&](int count) {
    if (!words(count)) return false;
    for (int k = 0; k < count; ++k)
      if (!Number(argv[i + k], n[k])) return false;
    i += count;
    return true;
  };
  if ((verb == "move" || verb == "click" || verb == "tap") && numbers(2)) {
    MoveTo(t, n[0], n[1], verb == "move");
    if (verb == "move") return 0;
    XTestFakeButtonEvent(t.d, 1, True, CurrentTime);
    if (verb == "click") {
      XSync(t.d, False);
      usleep(120 * 1000);
    }
    XTestFakeButtonEvent(t.d, 1, False, CurrentTime);
    XFlush(t.d);
    return 0;
  }
  if (verb == "key" && words(1)) {
    std::string name = argv[i++];
    const bool ctrl = name.rfind("ctrl+", 0) == 0;
    if (ctrl) name.erase(0, 5);
    const KeySym sym = XStringToKeysym(name.c_str());
    const KeyCode control = XKeysymToKeycode(t.d, XK_Control_L);
    if (ctrl) XTestFakeKeyEvent(t.d, control, True, CurrentTime);
    const bool pressed = sym != NoSymbol && PressKey(t, sym);
    if (ctrl) XTestFakeKeyEvent(t.d, control, False, CurrentTime);
    XFlush(t.d);
    return pressed ? 0 : 3;
  }
  if (verb == "type" && words(1)) return Type(t, argv[i++]) ? 0 : 3;
  if (verb == "sleep" && numbers(1)) {
    usleep(static_cast<useconds_t>(n[0]) * 1000);
    return 0;
  }
  if (verb == "grab" && numbers(4) && words(1)) return Grab(t, n[0], n[1], n[2], n[3], argv[i++]) ? 0 : 1;
  if (verb == "window" && words(1)) return lumora_x::WaitForWindow(t.d, argv[i++]) ? 0 : 1;
  std::fprintf(stderr, "x_input: cannot read the action '%s'\n", verb.c_str());
  return 3;
}

}  // namespace

int main(int argc, char** argv) {
  Display* d = XOpenDisplay(nullptr);
  int event = 0, error = 0, major = 0, minor = 0;
  if (!d || !XTestQueryExtension(d, &event, &error, &major, &minor)) {
    std::fprintf(stderr, "x_input: no display, or no XTest on it\n");
    return 2;
  }
  const Target t{d, lumora_x::WaitForWindow(d)};
  if (!t.w) {
    std::fprintf(stderr, "x_input: no Lumora window\n");
    return 1;
  }
  int status = 0;
  for (int i = 1; i < argc && status == 0;) status = Perform(t, argc, argv, i);
  XSync(d, False);
  XCloseDisplay(d);
  return status;
}
