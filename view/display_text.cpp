// "display" and "display=" with a text.
#include "view/display_text.h"

#include "core/strings.h"
#include "form/form1.h"
#include "form/surfaces.h"
#include "view/box_text.h"
#include "form/text_codes.h"

namespace lumora {
namespace {

// Model 2: the text as a font line of the page, in the design font of Memo1.
void TextLine(TForm3& t, const std::string& text, const std::string& colour, const std::string& style) {
  const auto flag = [&](size_t i, char c) { return style.size() > i && style[i] == c; };
  std::string line = "<font face=" + t.f.Memo1.font.name + " color=#" + colour + " style=\"font-Size:" + t.arg[6] +
                     "px; \">";
  if (flag(0, 'B')) line += "<b>";
  if (flag(1, 'I')) line += "<em>";
  if (flag(2, 'U')) line += "<u>";
  line += text;
  if (flag(2, 'U')) line += "</u>";
  if (flag(1, 'I')) line += "</em>";
  if (flag(0, 'B')) line += "</b>";
  line += "</font>";
  t.f.page.lines.push_back(line);
  t.traceLine += t.arg[4] + "," + t.arg[5] + "," + t.arg[6] + "," + t.arg[7] + "," + t.arg[8];
}

// The surface a text goes to and the width it has there; nothing for "tel"
// in a model without a picture screen or page.
struct Where {
  bool draws = false;
  BoxSurface surface = BoxSurface::Tela;
  int available = 0;
};

Where WhereTo(const TForm1& f, const std::string& word) {
  if (NamesSurface(word, SurfaceId::TelCmd)) return {true, BoxSurface::TelCmd, f.panelBuffer.width()};
  if (NamesSurface(word, SurfaceId::Imp)) return {true, BoxSurface::Imp, f.Imp.width};
  if (f.Model() == DisplayModel::Picture) return {true, BoxSurface::Tela, f.screenBuffer.width()};
  if (f.Model() == DisplayModel::Canvas) return {true, BoxSurface::TelMod3, f.TelMod3.width - f.textX};
  return {};
}

}  // namespace

void DisplayText(TForm3& t) {
  TForm1& f = t.f;
  const std::string text = ApplyTextCodes(t.arg[0], f.Model());
  t.traceLine += text.substr(0, 5);
  if (text.empty()) {
    t.traceLine += " <--- texto/frase inexistente!";
    return;
  }
  const std::string& word = t.arg[1];
  t.traceLine += "," + word;
  if (!DrawnSurface(word)) {
    t.traceLine += " <--- n\xE3o indicou o local tel/fnc/tel!";
    return;
  }
  const int x = IntOr(t.arg[2], 0), y = IntOr(t.arg[3], 0);
  const std::string xy = IntToStr(x) + "," + IntToStr(y);
  t.traceLine += "," + xy;
  const Where where = WhereTo(f, word);
  BoxText box;
  box.text = text;
  box.x = x;
  box.y = y;
  box.width = where.available - x;
  box.size = IntOr(t.arg[6], f.message.fontSize);
  box.height = box.size;
  box.colour = t.arg[7].empty() ? f.message.text : t.arg[7];
  box.style = t.arg[8].empty() ? "biu" : t.arg[8];
  box.background = f.message.background;
  t.traceLine += xy + ",";
  if (NamesSurface(word, SurfaceId::Tela) && f.Model() == DisplayModel::Page) {
    TextLine(t, text, box.colour, box.style);
    return;
  }
  const std::string trace = IntToStr(box.width) + "," + IntToStr(box.height) + "," + t.arg[6] + "," + t.arg[7] +
                            "," + t.arg[8];
  if (where.draws) DrawBoxText(f, where.surface, std::move(box));
  t.traceLine += trace;
}

}  // namespace lumora
