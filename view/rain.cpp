// The rain: "chuva=", preparing its bitmaps, the timer and the tick.
#include "view/rain.h"

#include <algorithm>

#include "core/paths.h"
#include "core/strings.h"
#include "form/form1.h"
#include "view/picture_decoders.h"
#include "view/picture_draw.h"
#include "view/picture_loader.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

constexpr QRgb kMaskKey = 0xFFFFFFFF;  // white: where the mask hides the rain
constexpr Colour kNoDrops = 0xFF00FF;

bool IsMagenta(QRgb p) { return (p & 0x00FFFFFFu) == (kMagenta & 0x00FFFFFFu); }

// A picture of the game folder, read as Load picture reads any other.
QImage LoadRainPicture(TForm1& f, const std::string& name) {
  ImageBox box;
  LoadPicture(f, name, box);
  return box.picture;
}

void SetMask(TForm3& t) {
  TForm1& f = t.f;
  const std::string& name = t.arg[1];
  if (name.empty() || name == "off") f.rainMask.clear();
  t.traceLine += t.arg[0] + "," + name;
  if (!Contains(name, ".bmp")) return;
  if (!FileExists(f.gameFolder, name)) t.traceLine += " <--- arquivo n\xE3o existe";
  else f.rainMask = name;
}

void SetInterval(TForm3& t) {
  TForm1& f = t.f;
  f.Chuva.interval = IntOr(t.arg[1].empty() ? "40" : t.arg[1], 40);
  t.traceLine += "," + IntToStr(f.Chuva.interval);
  // A running timer takes the new interval at once.
  if (f.Chuva.enabled) StartRain(f);
}

// One row of the frame: the still screen, the drops over it where they are
// not magenta, the overlay over both where it is not magenta.
void ComposeRow(QRgb* out, const QRgb* still, const QRgb* drops, const QRgb* overlay, int width) {
  for (int x = 0; x < width; ++x) {
    QRgb p = still[x];
    if (!IsMagenta(drops[x])) p = drops[x];
    if (overlay && !IsMagenta(overlay[x])) p = overlay[x];
    out[x] = p | 0xFF000000u;
  }
}

}  // namespace

int RainStep(int step, int height) {
  if (height <= 0) return 0;
  return (step % height + height) % height;
}

void StartRain(TForm1& f) {
  f.Chuva.enabled = true;
  f.platform.StartIdleTimer(std::max(1, f.Chuva.interval), [&f] { RainTick(f); });
}

void StopRain(TForm1& f) {
  f.Chuva.enabled = false;
  f.platform.StopIdleTimer();
}

void RainOn(TForm1& f) {
  if (f.rainPicture.empty()) return;
  const int w = std::max(1, f.Tela.width), h = std::max(1, f.Tela.height);
  f.BkTel.width = w;
  f.BkTel.height = h;
  f.BkTel.picture = FilledImage(w, h, f.screenBrush);
  CopyRect(f.BkTel.picture, 0, 0, f.screenBuffer, f.screenBuffer.rect());
  RainLayers& r = f.rain;
  r.frame = FilledImage(w, h, kBlack);
  r.overlay = QImage();
  if (!f.rainMask.empty()) {
    r.overlay = f.BkTel.picture.copy();
    const QImage mask = LoadRainPicture(f, f.rainMask);
    DrawTransparent(r.overlay, mask, 0, 0, mask.width(), mask.height(), kMaskKey);
  }
  // The drops on a bitmap of the screen's size: a smaller drop picture leaves
  // the rest without drops.
  const QImage drops = LoadRainPicture(f, f.rainPicture);
  r.layer = FilledImage(w, h, kNoDrops);
  CopyRect(r.layer, 0, 0, drops, drops.rect());
  r.offset = 0;
  StartRain(f);
}

void RainTick(TForm1& f) {
  RainLayers& r = f.rain;
  const QImage& still = f.BkTel.picture;
  if (f.runDepth > 0 || !f.Chuva.enabled || r.layer.isNull() || still.size() != r.layer.size()) return;
  const int w = r.layer.width(), h = r.layer.height();
  const bool masked = !f.rainMask.empty() && r.overlay.size() == r.layer.size();
  if (r.frame.size() != r.layer.size()) r.frame = FilledImage(w, h, kBlack);
  for (int y = 0; y < h; ++y) {
    // Drops that leave at the bottom come back at the top.
    const int from = (y - r.offset + h) % h;
    ComposeRow(reinterpret_cast<QRgb*>(r.frame.scanLine(y)), reinterpret_cast<const QRgb*>(still.constScanLine(y)),
               reinterpret_cast<const QRgb*>(r.layer.constScanLine(from)),
               masked ? reinterpret_cast<const QRgb*>(r.overlay.constScanLine(y)) : nullptr, w);
  }
  if (f.Hud.tag == 1) DrawTransparent(r.frame, f.Hud.picture, f.hudX, f.hudY);
  DrawOpaque(CanvasOf(f.Tela), r.frame);
  r.offset = (r.offset + RainStep(f.Chuva.tag, h)) % h;
  f.platform.RepaintNow(Component::Tela);
}

void CmdChuva(TForm3& t) {
  TForm1& f = t.f;
  if (f.Model() != DisplayModel::Picture) return;
  const std::string& word = t.arg[0];
  if (Contains(word, ".bmp")) {
    t.traceLine += word;
    if (!FileExists(f.gameFolder, word)) t.traceLine += " <--- arquivo n\xE3o existe";
    else f.rainPicture = word;
  } else if (word == "off") {
    StopRain(f);
    t.traceLine += word;
  } else if (word == "mask") {
    SetMask(t);
  } else if (word == "int") {
    SetInterval(t);
  } else if (word == "wgotas") {
    f.Chuva.tag = IntOr(t.arg[1], 20);
    t.traceLine += word + "," + IntToStr(f.Chuva.tag);
  } else if (word == "on" && !f.rainPicture.empty()) {
    RainOn(f);
    t.traceLine += word;
  }
}

}  // namespace lumora
