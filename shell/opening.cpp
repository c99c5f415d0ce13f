// The opening screen: a click starts the game, a double click resumes it. The
// window system reports a double click's first click on its own, so a click
// counts only once the double-click interval has passed without a second one.
#include "core/paths.h"
#include "script/run_script.h"
#include "shell/lifecycle.h"
#include "shell/undo.h"
#include "view/picture_loader.h"

namespace lumora {

void TelAberClick(TForm1& f) {
  Guarded(f, [&] {
    GameLoader(f, f.gameName);
    if (FileExists(f.gameFolder, "start.scp")) {
      ShapeWindow(f);
      f.Abok0.pageIndex = kGamePage;
      f.Abok1.pageIndex = 0;
      f.Abok2.pageIndex = 0;
      RunScript(f, "start");
      StartUndoHistory(f);
    } else {
      f.platform.ProcessMessages(Platform::PlayerInput::Held);
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
    StartUndoHistory(f);
  });
}

void OpeningClickArrived(TForm1& f) { f.openingClickPending = true; }

void OpeningClickIntervalPassed(TForm1& f) {
  if (!f.openingClickPending) return;
  // Cleared first: the start script may let a second interval's end through.
  f.openingClickPending = false;
  TelAberClick(f);
}

void OpeningDoubleClickArrived(TForm1& f) {
  f.openingClickPending = false;
  // As a double click is delivered: its click first, then the double click,
  // unless the click's run asked to end the program.
  TelAberClick(f);
  if (!f.exitRequested) TelAberDblClick(f);
}

}  // namespace lumora
