// The opening screen: a click starts the game, a double click resumes it.
#include "core/paths.h"
#include "script/run_script.h"
#include "shell/lifecycle.h"
#include "view/picture_loader.h"

namespace lumora {

void TelAberClick(TForm1& f) {
  Guarded(f, [&] {
    GameLoader(f, f.gameName);
    if (FileExists(f.gameFolder, "start.scp")) {
      ShapeWindow(f);
      f.Abok0.pageIndex = 0;
      f.Abok1.pageIndex = 0;
      f.Abok2.pageIndex = 0;
      RunScript(f, "start");
    } else {
      f.platform.ProcessMessages();
      f.platform.Sleep(200);
      f.platform.RequestExit();
    }
  });
}

void TelAberDblClick(TForm1& f) {
  Guarded(f, [&] {
    GameLoader(f, f.gameName);
    f.Script = f.Posic.empty() ? "start" : f.Posic;
    RunScript(f, f.Script);
  });
}

}  // namespace lumora
