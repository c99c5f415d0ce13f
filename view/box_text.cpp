// The box text renderer: cutting a text into words, breaks and links, laying
// them out in a box, growing the model-3 page, drawing, registering the links.
#include "view/box_text.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"
#include "view/canvas3.h"
#include "view/picture_draw.h"
#include "form/text_codes.h"
#include "view/text_draw.h"

namespace lumora {
namespace {

constexpr char kBlank = ' ';

bool IsLink(std::string_view token) { return !token.empty() && token[0] == '@' && token.find('|') != std::string_view::npos; }

// "@caption|reference|" off the front of rest, as "@caption|reference". A link
// missing its closing bar takes the rest of the text as its reference.
std::string CutLink(std::string_view& rest) {
  const size_t close = rest.find('|', rest.find('|') + 1);
  std::string token(rest.substr(0, close));
  rest = close == std::string_view::npos ? std::string_view() : rest.substr(close + 1);
  return token;
}

// What is drawn and where: the surface's bitmaps, its size and its slot group.
struct Target {
  QImage* canvas;  // the surface's own canvas: the background box goes here
  QImage* text;    // where the words go: the buffer of Tela and TelCmd
  int width, height;
  const SlotGroup* group;
  bool page;  // the model-3 page, which grows with the text
};

Target TargetOf(TForm1& f, BoxSurface s) {
  switch (s) {
    case BoxSurface::TelMod3:
      EnsureCanvas3(f);
      return {&f.TelMod3.picture, &f.TelMod3.picture, f.TelMod3.width, f.TelMod3.height, &kModel3Slots, true};
    case BoxSurface::Tela:
      return {&CanvasOf(f.Tela), &f.screenBuffer, f.Tela.width, f.Tela.height, &kScreenSlots, false};
    case BoxSurface::TelCmd:
      return {&CanvasOf(f.TelCmd), &f.panelBuffer, f.TelCmd.width, f.TelCmd.height, &kPanelSlots, false};
    case BoxSurface::Imp: break;
  }
  return {&CanvasOf(f.Imp), &CanvasOf(f.Imp), f.Imp.width, f.Imp.height, &kBackgroundSlots, false};
}

// The box with every default applied, positions wide so that no sum overflows.
struct Box {
  std::vector<std::string> tokens;
  int64_t x, y, width, height;
  int64_t lineHeight;
  FontSpec font;  // its colour is the plain colour
  bool background;
  Colour backgroundColour = kWhite;
};

// The text to lay out. The lines of Memo3 are separated by blanks: drawn as
// they are, the last word of a line would run into the first of the next.
std::string PreparedText(const TForm1& f, const std::string& text) {
  if (text.empty()) return "Sem texto.";
  if (text != "$") return Trim(text);
  std::string memo;
  memo.reserve(f.Memo3.text.size());
  for (size_t i = 0; i < f.Memo3.text.size(); ++i) {
    const char c = f.Memo3.text[i];
    if (c == '\r' && i + 1 < f.Memo3.text.size() && f.Memo3.text[i + 1] == '\n') continue;
    memo += c == '\r' || c == '\n' ? kBlank : c;
  }
  return Trim(memo);
}

Box Prepare(TForm1& f, const Target& target, const BoxText& in) {
  Box b;
  b.tokens = CutBoxText(PreparedText(f, in.text));
  b.x = in.x == -1 ? f.textX : in.x;
  b.y = in.y == -1 ? f.textY : in.y;
  b.width = in.width == 0 ? target.width - b.x : in.width;
  b.height = in.height == 0 ? target.height - b.y : in.height;
  if (target.page && b.y + b.height > f.TelMod3.height) SetCanvas3Height(f, b.y + b.height);
  const int size = in.size == 0 ? f.message.fontSize : in.size;
  b.lineHeight = int64_t{size} + size / 2;
  b.font.name = f.message.fontName;
  b.font.size = size;
  b.font.color = ColourFromText(in.colour.empty() ? f.message.text : in.colour);
  ApplyStyle(b.font, StyleFromText(in.style));
  b.background = !in.background.empty();
  if (b.background) b.backgroundColour = ColourFromText(in.background == "0" ? f.message.background : in.background);
  return b;
}

// (x, y, width, height) in the bitmap's bounds; empty when they do not meet.
QRect Clipped(const QImage& img, int64_t x, int64_t y, int64_t width, int64_t height) {
  const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
  const int64_t right = std::min<int64_t>(x + width, img.width()), bottom = std::min<int64_t>(y + height, img.height());
  if (right <= left || bottom <= top) return {};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

// The screen and panel buffers take the box's font and brush as the surface
// does; only the surface's own canvas gets its font and brush back at the end,
// so the buffers keep them. The background box is painted on all three.
void PrepareCanvases(TForm1& f, const Target& target, const Box& b) {
  f.screenFont = f.panelFont = b.font;
  if (!b.background) return;
  f.screenBrush = f.panelBrush = b.backgroundColour;
  for (QImage* img : {target.canvas, &f.screenBuffer, &f.panelBuffer}) {
    const QRect r = Clipped(*img, b.x, b.y, b.width, b.height);
    if (!r.isEmpty()) QPainter(img).fillRect(r, QColor::fromRgb(b.backgroundColour));
  }
}

// A word or link caption at its place on the surface.
struct Placed {
  int64_t left, top;
  std::string_view text;
  int width;
  bool link;
  std::string_view reference;  // a link's script reference
};

struct Layout {
  std::vector<Placed> words;
  int64_t lastTop = 0;  // the line offset of the last line
  int64_t pageHeight = 0;
};

int64_t PageClamp(int64_t h) { return std::clamp<int64_t>(h, 0, kMaxCanvas3Height); }

// Places the tokens line by line. The model-3 page's height is worked out
// along the way and set once afterwards: growing the bitmap word by word would
// copy it for every line.
Layout LayOut(const Box& b, const Target& target, const TextMeter& meter, int64_t pageHeight) {
  Layout out;
  out.pageHeight = pageHeight;
  int64_t cx = 0, cy = 0;
  for (const std::string& token : b.tokens) {
    const bool link = IsLink(token);
    const std::string_view whole(token);
    const size_t bar = whole.find('|');
    const std::string_view text = link ? whole.substr(1, bar - 1) : whole;
    const int width = meter.Measure(text).width();
    // A word wider than the box gets a line of its own and runs past the edge.
    if (cx > 0 && cx + width > b.width) {
      cx = 0;
      cy += b.lineHeight;
      if (target.page && b.y + cy > out.pageHeight) out.pageHeight = PageClamp(b.y + cy);
    }
    if (target.page && token == "\xA7") {
      if (b.y + cy + b.lineHeight > out.pageHeight) out.pageHeight = PageClamp(out.pageHeight + b.lineHeight);
      cy += b.lineHeight;
      cx = 0;
      continue;
    }
    if (target.page && b.y + cy + b.lineHeight > out.pageHeight)
      out.pageHeight = PageClamp(out.pageHeight + b.lineHeight + 10);
    out.words.push_back({b.x + cx, b.y + cy, text, width, link, link ? whole.substr(bar + 1) : std::string_view()});
    cx += width;
  }
  out.lastTop = cy;
  return out;
}

// Each link fills the next slot of the surface's group: the caption's place
// and size, the link cursor, its reference; no pressed picture and no sound.
void RegisterLinks(TForm1& f, const Target& target, const Layout& layout, const TextMeter& meter) {
  for (const Placed& w : layout.words) {
    if (!w.link) continue;
    LinkRecord& r = f.links.Take(*target.group);
    r = LinkRecord();
    r.left = SaturatedInt(w.left);
    r.top = SaturatedInt(w.top);
    r.width = w.width;
    r.height = meter.Measure(w.text).height();
    r.cursor = 1;
    r.script = std::string(w.reference);
    r.picture = std::string(w.text);
    r.active = true;
  }
}

void Draw(QImage& img, const Layout& layout, const Box& b, const TextMeter& meter, Colour link, Colour visited) {
  if (img.isNull()) return;
  TransparentTextPainter pen(img, meter);
  for (const Placed& w : layout.words) {
    // Words out of the bitmap are not drawn: a text far below the page costs nothing.
    if (w.top > img.height() || w.top + b.lineHeight < 0 || w.left > img.width()) continue;
    const int x = static_cast<int>(w.left), y = static_cast<int>(w.top);
    pen.Draw(x, y, w.text, w.link ? link : b.font.color);
    if (!w.link || w.width <= 0) continue;
    pen.painter().setPen(QPen(QColor::fromRgb(visited), 1));
    const int under = SaturatedInt(w.top + b.lineHeight);
    pen.painter().drawLine(x, under, x + w.width - 1, under);
  }
}

}  // namespace

std::vector<std::string> CutBoxText(std::string_view rest) {
  std::vector<std::string> tokens;
  while (!rest.empty()) {
    if (IsLink(rest)) {
      tokens.push_back(CutLink(rest));
      continue;
    }
    if (rest.find(kBlank) == std::string_view::npos) {
      tokens.emplace_back(rest);  // the last word, "§" and all
      break;
    }
    while (rest.front() == kCodeBreak) {
      tokens.emplace_back(1, kCodeBreak);
      rest.remove_prefix(1);
    }
    const size_t end = rest.find(kBlank) + 1;
    tokens.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end);
  }
  return tokens;
}

void DrawBoxText(TForm1& f, BoxSurface surface, BoxText in) {
  const Target target = TargetOf(f, surface);
  const Box b = Prepare(f, target, in);
  const bool anyLink = std::any_of(b.tokens.begin(), b.tokens.end(), [](const std::string& t) { return IsLink(t); });
  // Converted before anything is drawn: a bad colour ends the run with the surface untouched.
  const Colour link = anyLink ? ColourFromText(f.message.link) : kBlack;
  const Colour visited = anyLink ? ColourFromText(f.message.visited) : kBlack;
  PrepareCanvases(f, target, b);
  const TextMeter meter(b.font);
  const Layout layout = LayOut(b, target, meter, f.TelMod3.height);
  if (target.page && layout.pageHeight != f.TelMod3.height) SetCanvas3Height(f, layout.pageHeight);
  RegisterLinks(f, target, layout, meter);
  // The page's bitmap may have been replaced by its growth.
  Draw(target.page ? f.TelMod3.picture : *target.text, layout, b, meter, link, visited);
  f.textY = SaturatedInt(b.y + layout.lastTop + b.lineHeight);
}

}  // namespace lumora
