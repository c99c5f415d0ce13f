// Screen settings: "telacorfnd=", "telacortxt=", "telafntnome=", "telafntalt=",
// "setfoco=", "loadpainel", "barratop", "defini=", "defcom=", "altura=",
// "veltec=", "cleartotal".
#include "view/screen_settings.h"

#include <algorithm>

#include "core/paths.h"
#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"
#include "form/surfaces.h"
#include "view/canvas3.h"
#include "view/page.h"
#include "view/picture_draw.h"
#include "view/picture_loader.h"
#include "view/surfaces.h"
#include "form/text_codes.h"

namespace lumora {

void RaiseControl(TForm1& f, Control& c) {
  c.z = std::max({f.Abok0.z, f.Abok1.z, f.Abok2.z}) + 1;
}

// The screen buffer's canvas: colours are unguarded colour texts, the size an
// unguarded number; the next script starts from the message font again.
void CmdTelaCorFnd(TForm3& t) { t.f.screenBrush = ColourFromText(t.arg[0]); }
void CmdTelaCorTxt(TForm3& t) { t.f.screenFont.color = ColourFromText(t.arg[0]); }
void CmdTelaFntNome(TForm3& t) { t.f.screenFont.name = t.arg[0]; }
void CmdTelaFntAlt(TForm3& t) { t.f.screenFont.size = IntUnguarded(t.arg[0]); }

void CmdSetFoco(TForm3& t) {
  TForm1& f = t.f;
  const std::string& where = t.arg[0];
  t.traceLine += where;
  f.focus = Focus::Form;
  f.platform.BringToFront();
  if (where == "web") PageFocus(f);
  else if (where == "inp") f.focus = Focus::Input;
  else if (NamesSurface(where, SurfaceId::TelCmd)) RaiseControl(f, f.Abok2);
  else if (where == "vsr") RaiseControl(f, f.Abok1);
  else if (where == "msg" && f.Model() == DisplayModel::Typed) f.focus = Focus::MsgMd0;
}

void CmdLoadPainel(TForm3& t) {
  TForm1& f = t.f;
  const std::string& name = t.arg[0];
  if (name.empty()) {
    t.traceLine += " <--- n\xE3o informou o nome do arquivo";
    return;
  }
  t.traceLine += name;
  if (!FileExists(f.gameFolder, name)) {
    t.traceLine += " <--- arquivo n\xE3o existe";
    return;
  }
  // BufShp sizes itself to the picture: the window takes that size. A file
  // that does not decode leaves BufShp as it was; the window would take a
  // stale size and lose its skin, so it stays as it is.
  const qint64 before = f.BufShp.picture.cacheKey();
  LoadPicture(f, name, f.BufShp);
  if (f.BufShp.picture.isNull() || f.BufShp.picture.cacheKey() == before) return;
  SizeGameArea(f, f.BufShp.width, f.BufShp.height);
  f.Imp.picture = QImage();
  LoadPicture(f, name, f.Imp);
  ShapeWindow(f);
  if (!f.Imp.picture.isNull()) f.Imp.picture = f.Imp.picture.convertToFormat(QImage::Format_RGB32);
}

// Each "on" and each "off" moves the text again: two "on" in a row shrink it
// twice, as games that toggle the bar expect of each other.
void CmdBarraTop(TForm3& t) {
  TForm1& f = t.f;
  const std::string word = t.arg[0].empty() ? "on" : t.arg[0];
  if (word == "on") {
    f.MsgMd0.top = 20;
    f.MsgMd0.height -= 20;
    f.BarraTop.width = f.MsgMd0.width;
    f.BarraTop.color = f.Input.color;
  } else if (word == "off") {
    f.MsgMd0.top = 5;
    f.MsgMd0.height += 20;
  }
  t.traceLine += word;
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

void CmdDefini(TForm3& t) {
  TForm1& f = t.f;
  const int n = IntOr(t.arg[0].empty() ? "-1" : t.arg[0], -1);
  t.traceLine += IntToStr(n);
  std::string text = t.arg[1];
  for (char code : {kCodeBlank, kCodeComma})
    if (text.find(code) != std::string::npos) text = ApplyTextCode(code, text, f.Model());
  if (n < 0 || n >= static_cast<int>(f.config.size())) {
    t.traceLine += " <- fora da faixa v\xE1lida";
    return;
  }
  f.config[static_cast<size_t>(n)] = text;
  t.traceLine += "," + text;
}

void CmdDefCom(TForm3& t) {
  TForm1& f = t.f;
  t.traceLine += t.arg[0];
  if (!FileExists(f.gameFolder, t.arg[0] + ".scp")) t.traceLine += " <- script n\xE3o existe";
  f.vocabulary = t.arg[0];
}

void CmdAltura(TForm3& t) {
  TForm1& f = t.f;
  const int fallback = SaturatedInt(int64_t{f.Sbox2.height} - 10);
  const int height = t.arg[0].empty() ? fallback : IntOr(t.arg[0], fallback);
  t.traceLine += IntToStr(height);
  // A negative height gives an empty page; a huge one stops at the limit.
  SetCanvas3Height(f, height);
}

void CmdVelTec(TForm3& t) {
  t.f.typingDelay = IntOr(t.arg[0].empty() ? "0" : t.arg[0], 7);
  t.traceLine += IntToStr(t.f.typingDelay);
}

// Every text emptied and every shown surface filled with the background; the
// buffers keep their pictures, so model 1 shows its screen again at the end of
// the run.
void CmdClearTotal(TForm3& t) {
  TForm1& f = t.f;
  const Colour bg = ColourFromText(f.message.background);
  f.MsgMd0.text.clear();
  f.Input.text.clear();
  f.Msg.text.clear();
  CanvasOf(f.Tela).fill(QColor::fromRgb(bg));
  EnsureCanvas3(f);
  f.TelMod3.picture.fill(QColor::fromRgb(bg));
  ShowCanvas3(f);
  CanvasOf(f.TelCmd).fill(QColor::fromRgb(bg));
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

}  // namespace lumora
