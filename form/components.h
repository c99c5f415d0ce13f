// The form model: each component of the window is a small struct holding the
// properties that scripts read and write. The Qt front end shows them.
#pragma once
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/string_list.h"

namespace lumora {

// A colour as red, green, blue in 0xRRGGBB.
using Colour = uint32_t;
constexpr Colour kWhite = 0xFFFFFF, kBlack = 0x000000, kSilver = 0xC0C0C0, kGreen = 0x008000;

// Pointer shapes: the standard cursors a component may show. Drag is the link
// cursor (cursor kind 1 of a clickable area); CursorOfKind gives the others.
enum class Cursor {
  Default, Arrow, Drag, HandPoint, HSplit, MultiDrag, No, VSplit, SqlWait, Hidden, NoDrop, HourGlass, Cross,
  Wait, Help, Text,
  Link = Drag,
};

// The pointer shape of a clickable area's cursor kind: 1 to 11 name a shape,
// any other kind is the arrow.
constexpr Cursor CursorOfKind(int kind) {
  constexpr Cursor kKinds[] = {Cursor::Arrow,  Cursor::Drag,      Cursor::HandPoint, Cursor::HSplit,
                               Cursor::MultiDrag, Cursor::No,     Cursor::VSplit,    Cursor::SqlWait,
                               Cursor::Hidden, Cursor::NoDrop,    Cursor::HourGlass, Cursor::Cross};
  return kind >= 0 && kind < 12 ? kKinds[kind] : Cursor::Arrow;
}

// The largest surface the player makes: sides of up to 65,535 pixels (the
// model-3 page grows that tall) and no more pixels than a picture may have
// (64 Mi, a quarter of a gigabyte in 32-bit colour). A game asking for more
// (a game area or a page of 100,000 by 100,000 pixels would want 40 GB) gets
// the capped size.
constexpr int kMaxSurfaceSide = 65535;
constexpr int64_t kMaxSurfacePixels = int64_t{16384} * 4096;
struct SurfaceSize {
  int width = 0, height = 0;
  bool operator==(const SurfaceSize&) const = default;
};
// The width held to 1 .. kMaxSurfaceSide, then the height to 1 .. what the
// side and the pixel count leave for that width.
SurfaceSize CappedSurfaceSize(int64_t width, int64_t height);

// Font sizes are points on a 96-dpi screen; every font is set in pixels, and
// the window description gives its fonts in pixels. Both round to nearest, in
// 64 bits: a size of two thousand million points ("fntsize=") must not wrap.
// No letter is taller than the largest surface: pixels are held to
// -kMaxSurfaceSide .. kMaxSurfaceSide.
constexpr int PointsToPixels(int points) {
  const int64_t pixels = (int64_t{points} * 96 * 2 + 72) / (72 * 2);
  return static_cast<int>(std::clamp<int64_t>(pixels, -kMaxSurfaceSide, kMaxSurfaceSide));
}
constexpr int PixelsToPoints(int pixels) { return static_cast<int>((int64_t{pixels} * 72 + 48) / 96); }

struct FontSpec {
  std::string name = "MS Sans Serif";
  int size = 8;  // points on a 96-dpi screen
  Colour color = kBlack;
  bool bold = false, italic = false, underline = false;
};

struct Control {
  const char* name = "";
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  Colour color = kWhite;
  Cursor cursor = Cursor::Default;
  // Stacking among siblings: the higher lies on top ("setfoco=" raises one).
  int z = 0;
};

struct ImageBox : Control {
  QImage picture;
  bool stretch = false;   // the picture fills the box
  bool autoSize = false;  // the box takes the picture's size
  bool transparent = false;
  bool enabled = true;
  std::string hint;
  int tag = 0;  // Hud: 1 while it is shown
};

struct Memo : Control {
  std::string text;  // Windows-1252, lines separated by CR LF
  FontSpec font;
  bool wordWrap = true;
  bool border = false;
};

struct Edit : Control {
  std::string text;
  FontSpec font;
  bool upperCase = false;
};

struct Label : Control {
  std::string caption;
  FontSpec font;
  bool transparent = false;
};

struct Panel : Control {};

struct Notebook : Control {
  std::vector<std::string> pages;  // page captions in order
  int pageIndex = 0;
  const std::string& ActivePage() const { return pages[static_cast<size_t>(pageIndex)]; }
  // Shows the page of that caption; false when there is none.
  bool ShowPage(const std::string& caption);
};

struct ScrollBox : Control {
  int barSize = 8;
  Colour barColor = kSilver;
  bool horizontalBar = true;
  int scrollX = 0, scrollY = 0;
};

struct WebView : Control {
  bool created = false;  // the engine is started only when model 2 first shows a page
};

struct Timer {
  const char* name = "";
  bool enabled = false;
  int interval = 40;
  int tag = 0;
};

// The component that holds the keyboard focus.
enum class Focus { None, Form, Input, MsgMd0, WebB, Sbox2 };

}  // namespace lumora
