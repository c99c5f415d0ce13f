// The window description: every component at its design position and look,
// before the configuration file replaces most of it.
#include "form/builtin_pictures.h"
#include "form/form1.h"

namespace lumora {
namespace {

template <typename C>
void Place(C& c, const char* name, int left, int top, int width, int height, Colour color = kWhite) {
  c.name = name;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.color = color;
}

FontSpec Font(const char* name, int pixels, Colour color, bool bold = false, bool italic = false) {
  FontSpec f;
  f.name = name;
  f.size = PixelsToPoints(pixels);
  f.color = color;
  f.bold = bold;
  f.italic = italic;
  return f;
}

void DescribeGamePage(TForm1& f) {
  Place(f.Abok0, "Abok0", 0, 0, 900, 420);
  f.Abok0.pages = {"Default", "Imagens", "Abertura"};
  Place(f.Imp, "Imp", 0, 0, 900, 420);
  f.Imp.stretch = true;
  f.Imp.cursor = Cursor::MultiDrag;
  // The built-in skin and opening picture are drawn only when the game names
  // none (the loader and creation see to it): drawing them costs start-up time.
  Place(f.btFim, "btFim", 760, 365, 40, 24);
  f.btFim.autoSize = true;
  f.btFim.hint = "bot1.bmp";
  Place(f.lbFim, "lbFim", 805, 368, 80, 20);
  f.lbFim.caption = "Encerrar";
  f.lbFim.font = Font("Arial", 16, kBlack, true);
  f.lbFim.transparent = true;
  Place(f.Abok2, "Abok2", 675, 45, 210, 266);
  f.Abok2.pages = {"Painel"};
  Place(f.TelCmd, "TelCmd", 0, 0, 210, 266);
  Place(f.Input, "Input", 65, 382, 660, 30);
  f.Input.upperCase = true;
  f.Input.font = Font("Courier New", 24, kBlack, true);
  f.Input.visible = false;
  Place(f.Abok1, "Abok1", 39, 36, 596, 323);
  f.Abok1.pages = {"1", "0", "2", "Mapa", "3", "Down"};
}

void DescribeDisplayPages(TForm1& f) {
  Place(f.PanTel, "PanTel", 0, 0, 596, 271);
  Place(f.Tela, "Tela", 0, 0, 596, 271);
  f.Tela.stretch = true;
  Place(f.Msg, "Msg", 5, 276, 586, 42);
  f.Msg.font = Font("Arial", 21, kGreen);
  Place(f.BarraTop, "BarraTop", 5, 5, 586, 10, kSilver);
  Place(f.MsgMd0, "MsgMd0", 5, 5, 586, 313);
  f.MsgMd0.font = Font("Courier New", 21, kBlack);
  Place(f.WebB, "WebB", -2, -2, 616, 327);
  Place(f.Sbc1, "Sbc1", 0, 0, 596, 323, kSilver);
  f.Sbc1.barColor = 0x00CE67;
  Place(f.MapJog, "MapJog", 0, 0, 596, 323);
  f.MapJog.autoSize = true;
  Place(f.Voce, "Voce", 160, 85, 29, 46);
  f.Voce.transparent = true;
  f.Voce.picture = BuiltinMarker();
  Place(f.Sbox2, "Sbox2", 0, 0, 596, 323);
  f.Sbox2.horizontalBar = false;
  Place(f.Tela3, "Tela3", 5, 5, 580, 313);
  Place(f.Label2, "Label2", 10, 15, 272, 24);
  f.Label2.transparent = true;
  f.Label2.caption = "Atualiza\xE7\xF5" "es e download...";
  f.Label2.font = Font("Arial", 21, kBlack, true, true);
}

void DescribeWorkPages(TForm1& f) {
  Place(f.TelMod3, "TelMod3", 0, 0, 580, 313);
  for (ImageBox* c : {&f.BufShp, &f.GrpTmp, &f.Hud, &f.BkTel}) c->transparent = true;
  for (ImageBox* c : {&f.BufShp, &f.GrpTmp, &f.Hud}) c->autoSize = true;  // sized to their pictures
  f.BufShp.name = "BufShp";
  f.GrpTmp.name = "GrpTmp";
  f.Hud.name = "Hud";
  f.BkTel.name = "BkTel";
  f.Memo1.name = "Memo1";
  Place(f.Memo3, "Memo3", 0, 0, 100, 100);
  f.Memo3.wordWrap = false;
  Place(f.TelAber, "TelAber", 0, 0, 900, 420);
  f.TelAber.autoSize = true;
  f.TelAber.cursor = Cursor::MultiDrag;
  f.Chuva.name = "Chuva";
  f.Chuva.interval = 40;
  f.Chuva.tag = 20;
  f.Chuva.enabled = false;
}

}  // namespace

TForm1::TForm1(Platform& p) : platform(p) {
  DescribeGamePage(*this);
  DescribeDisplayPages(*this);
  DescribeWorkPages(*this);
}

}  // namespace lumora
