// "hud=": the head-up display drawn over the picture screen in model 1.
#include "core/paths.h"
#include "core/strings.h"
#include "form/form1.h"
#include "view/display_picture_commands.h"
#include "view/picture_loader.h"

namespace lumora {

void CmdHud(TForm3& t) {
  TForm1& f = t.f;
  const std::string& word = t.arg[0];
  if (word.empty()) {
    t.traceLine += " <--- falta par\xE2metro";
    return;
  }
  if (word == "off") {
    f.Hud.tag = 0;
    return;
  }
  t.traceLine += word;
  if (Contains(word, ".bmp")) {
    if (!FileExists(f.gameFolder, word)) {
      t.traceLine += word + " <--- n\xE3o existe este arquivo";
      return;
    }
    LoadPicture(f, word, f.Hud);
  }
  if (f.Model() != DisplayModel::Picture) return;
  if (f.Hud.picture.isNull()) {
    t.traceLine += " <--- n\xE3o tem arquivo hud instalado";
    return;
  }
  if (word == "on") {
    t.traceLine += "on";
    f.Hud.transparent = true;
    f.Hud.tag = 1;
    DrawHud(f);
    return;
  }
  // Any other word is a position, a picture's name included: in model 1,
  // "hud= painel.bmp,40" also puts the hud at (0, 40), as games rely on.
  f.hudX = IntOr(word, 0);
  f.hudY = IntOr(t.arg[1], 0);
  t.traceLine += IntToStr(f.hudX) + "," + IntToStr(f.hudY);
}

}  // namespace lumora
