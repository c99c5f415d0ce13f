// Shutdown: the running values into the configuration, the configuration and
// the saved game written back. Only what was loaded whole is written, so closing
// on the opening screen or after a failed load never empties a saved game.
#include "core/paths.h"
#include "core/script_error.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "form/config.h"
#include "shell/lifecycle.h"
#include "state/state_files.h"

namespace lumora {
namespace {

void StoreRunningValues(TForm1& f) {
  auto set = [&](int n, std::string value) { f.config[static_cast<size_t>(n)] = std::move(value); };
  set(0, IntToStr(f.windowLeft));
  set(1, IntToStr(f.windowTop));
  set(4, f.gameName);
  set(5, IntToStr(f.state.registerCount));
  set(6, f.IniScp);
  set(7, f.Script);
  set(8, f.RetScp);
  set(9, f.Objeto);
  set(10, f.Posic);
  set(11, IntToStr(f.Abok0.width));
  set(12, IntToStr(f.Abok0.height));
}

void SaveConfig(const TForm1& f, const std::string& folder) {
  const std::string name = f.gameName + ".ini";
  if (!SaveLinesAtomic(ResolvePath(folder, name), f.config))
    throw ScriptError("Cannot create file \"" + Cp1252FromUtf8(folder) + name + "\"");
}

}  // namespace

void FormDestroy(TForm1& f) {
  Guarded(f, [&] {
    if (f.loaderFinished && f.config.size() >= static_cast<size_t>(kConfigLineCount)) {
      StoreRunningValues(f);
      SaveConfig(f, f.programFolder);
      if (f.gameFolder != f.programFolder) SaveConfig(f, f.gameFolder);
    }
    if (f.gameFolder.empty()) return;  // the game was never loaded
    SaveRegistersAndObjects(f.state, f.gameFolder, f.gameName);
    SaveObjectKeys(f.state, f.gameFolder, f.gameName);
  });
}

}  // namespace lumora
