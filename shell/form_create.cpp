// Creation: the configuration file read at start and the opening screen.
#include "core/paths.h"
#include "core/script_error.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "form/builtin_pictures.h"
#include "form/config.h"
#include "shell/lifecycle.h"
#include "shell/state_folder.h"
#include "view/picture_loader.h"

namespace lumora {
namespace {

void ReadConfiguredFields(TForm1& f) {
  // Line 13 names the opening picture; empty keeps the built-in one.
  if (!ConfigLine(f, kOpeningPicture).empty()) LoadPicture(f, ConfigLine(f, kOpeningPicture), f.TelAber);
  f.TelAber.enabled = true;
  f.state.registerCount = ConfigRegisterCount(f);
  f.IniScp = ConfigLine(f, kIniScpLine);
  f.Script = ConfigLine(f, kScriptLine);
  f.RetScp = ConfigLine(f, kRetScpLine);
  f.Objeto = ConfigLine(f, kObjetoLine);
  f.Posic = ConfigLine(f, kPosicLine);
  f.configLoaded = true;
}

}  // namespace

void FormCreate(TForm1& f, const std::string& programFolder, const std::string& gameName) {
  f.programFolder = programFolder;
  f.gameName = gameName;
  f.state.registerCount = 250;
  f.Modelo = "1";
  f.Abok1.ShowPage("1");
  f.Script = f.IniScp = f.RetScp = "start";
  f.typingDelay = 7;
  ChooseStateFolder(f);
  Guarded(f, [&] {
    LoadConfigFile(f, StateReadFolder(programFolder, f.stateFolder, gameName + ".ini"), gameName);
    ReadConfiguredFields(f);
  });
  // The lists are created whatever happened above.
  f.run.lines.clear();
  f.state.objectTable.clear();
  f.state.names.clear();
  f.state.objs.clear();
  ResetRegisters(f.state);
  f.page.lines.clear();
  // The released look of the quit button, once creation has got this far.
  if (f.configLoaded) Guarded(f, [&] { LoadPicture(f, "U-" + f.btFim.hint, f.btFim); });
  // No opening picture configured, or one that did not load: the built-in one.
  if (f.TelAber.picture.isNull()) f.TelAber.picture = BuiltinOpening();
  f.Abok0.pageIndex = kOpeningPage;
  f.hudX = f.hudY = 0;
  f.rainPicture.clear();
  f.rainMask.clear();
}

}  // namespace lumora
