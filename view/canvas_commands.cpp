// "btxt=" and "boxtexto=": a box text on the model-3 page.
#include "view/canvas_commands.h"

#include "core/strings.h"
#include "form/form1.h"
#include "view/box_text.h"
#include "view/display_commands.h"
#include "form/text_codes.h"

namespace lumora {
namespace {

// A box size: empty is what is left of the page beyond the text position, not
// a number is the whole page.
int BoxSize(const std::string& argument, int page, int position) {
  if (argument.empty()) return page - position;
  return IntOr(argument, page);
}

}  // namespace

void CmdBoxTexto(TForm3& t) {
  TForm1& f = t.f;
  BoxText box;
  box.text = ApplyTextCodes(t.arg[0], f.Model());
  t.traceLine += box.text.substr(0, 5);
  box.x = TextPositionArgument(t.arg[1], f.textX);
  box.y = TextPositionArgument(t.arg[2], f.textY);
  t.traceLine += "," + IntToStr(box.x) + "," + IntToStr(box.y);
  box.width = BoxSize(t.arg[3], f.TelMod3.width, f.textX);
  box.height = BoxSize(t.arg[4], f.TelMod3.height, f.textY);
  t.traceLine += "," + IntToStr(box.width) + "," + IntToStr(box.height);
  box.colour = t.arg[5].empty() ? f.message.text : t.arg[5];
  box.style = t.arg[6].empty() ? "biu" : t.arg[6];
  box.background = t.arg[7].empty() ? f.message.background : t.arg[7];
  box.size = IntOr(t.arg[8], f.message.fontSize);
  t.traceLine += "," + box.colour + "," + box.style + "," + box.background + "," + IntToStr(box.size);
  DrawBoxText(f, BoxSurface::TelMod3, std::move(box));
}

}  // namespace lumora
