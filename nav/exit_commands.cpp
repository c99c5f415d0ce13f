// The exit commands, "cleardir", "telpos=", "linksoff" and "ifdir=".
#include "nav/exit_commands.h"

#include "core/paths.h"
#include "form/config.h"
#include "form/form1.h"
#include "form/surfaces.h"
#include "nav/link_commands.h"
#include "view/picture_loader.h"

namespace lumora {
namespace {

// An exit takes argument 1 as written: no file check, no resolution, so a
// place may name a script that a later version of the game adds.
void SetExit(TForm3& t, std::string Exits::*exit) {
  t.f.exits.*exit = t.arg[0];
  t.traceLine += t.arg[0];
}

// The page line of "telpos=" in model 2: the picture at the display's width,
// inside a link when it runs a script.
std::string TelPosPageLine(const TForm1& f, const std::string& picture, const std::string& script) {
  const std::string img =
      "<img src=" + f.gameFolderUrl + picture + " width=" + ConfigLine(f, kDisplayWidth) + "px border=0>";
  return script.empty() ? img : "<a href=Scp=" + script + ">" + img + "</a>";
}

}  // namespace

void CmdNorte(TForm3& t) { SetExit(t, &Exits::norte); }
void CmdSul(TForm3& t) { SetExit(t, &Exits::sul); }
void CmdLeste(TForm3& t) { SetExit(t, &Exits::leste); }
void CmdOeste(TForm3& t) { SetExit(t, &Exits::oeste); }
void CmdEntrar(TForm3& t) { SetExit(t, &Exits::entrar); }
void CmdSair(TForm3& t) { SetExit(t, &Exits::sair); }
void CmdSubir(TForm3& t) { SetExit(t, &Exits::subir); }
void CmdDescer(TForm3& t) { SetExit(t, &Exits::descer); }

void CmdClearDir(TForm3& t) { t.f.exits.Clear(); }

void CmdTelPos(TForm3& t) {
  TForm1& f = t.f;
  const std::string picture = t.arg[0];
  t.traceLine += picture;
  if (!FileExists(f.programFolder, picture)) {
    t.traceLine += " <--- arquivo n\xE3o existe";
    return;
  }
  const std::string script = ResolveName(t.arg[1], f.exits, f.Specials());
  if (!script.empty() && !FileExists(f.gameFolder, script + ".scp")) {
    t.traceLine += "," + script + " <--- script n\xE3o existe";
    return;
  }
  f.pictureClickScript = script;
  switch (f.Model()) {
    case DisplayModel::Picture:
      LoadPicture(f, picture, f.Tela);
      f.Tela.cursor = script.empty() ? Cursor::Default : Cursor::Link;
      break;
    case DisplayModel::Page: f.page.lines.push_back(TelPosPageLine(f, picture, script)); break;
    case DisplayModel::Canvas: LoadPicture(f, picture, f.TelMod3); break;
    case DisplayModel::Typed:
    case DisplayModel::Other: break;
  }
}

void CmdLinksOff(TForm3& t) {
  const std::string& word = t.arg[0];
  t.traceLine += word;
  for (const SurfaceId id : {SurfaceId::Tela, SurfaceId::TelCmd, SurfaceId::Imp, SurfaceId::Tela3}) {
    if (!word.empty() && !NamesSurface(word, id)) continue;
    const SlotGroup* g = Surface(id).areas;
    for (int i = g->first; i <= g->last; ++i) t.f.links.records[static_cast<size_t>(i)].active = false;
  }
}

// The arguments move down by one, the exit's reference taking the place of the
// script, and the line goes on as "lnkfnc=".
void CmdIfDir(TForm3& t) {
  const std::string* exit = ExitOfWord(t.f.exits, t.arg[0]);
  t.arg[0] = t.arg[1];
  t.arg[1] = exit ? *exit : std::string();
  if (t.arg[1].empty()) {
    t.traceLine = t.arg[0] + " <--- n\xE3o existe movimento nesta dire\xE7\xE3o";
    return;
  }
  t.traceLine = "Exec: lnkfnc= ";
  CmdLinkFunc(t);
}

}  // namespace lumora
