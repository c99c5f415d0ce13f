// Undo and redo between runs.
#include "shell/undo.h"

#include "core/translation.h"
#include "form/form1.h"
#include "form/moment.h"
#include "nav/map_page.h"
#include "state/state_files.h"
#include "view/page.h"

namespace lumora {
namespace {

// What a run's end does with the model, for the model put back: the saved
// game written, the page and the map shown again, the keyboard where the
// model says.
void ShowAndSave(TForm1& f) {
  SaveGameTogether(f.writer, f.state, f.stateFolder, f.gameName);
  if (f.Abok1.ActivePage() == "Mapa") MapPageRefresh(f);
  const DisplayModel model = f.Model();
  if (model == DisplayModel::Page && f.page.written) ShowPage(f, StringList(f.page.lastWritten));
  if ((model == DisplayModel::Typed || model == DisplayModel::Picture) && f.Input.visible) f.focus = Focus::Input;
}

bool Step(TForm1& f, bool (*take)(TForm1&), const char* none) {
  if (f.runDepth != 0 || !f.undo.recording) return false;
  if (!take(f)) {
    f.notice = Translated1252(none);
    return false;
  }
  ShowAndSave(f);
  return true;
}

}  // namespace

void StartUndoHistory(TForm1& f) {
  ForgetMoments(f);
  f.undo.recording = true;
}

bool UndoStep(TForm1& f) { return Step(f, TakeMomentBack, QT_TRANSLATE_NOOP("Game", "Nothing to undo.")); }

bool RedoStep(TForm1& f) { return Step(f, TakeMomentForward, QT_TRANSLATE_NOOP("Game", "Nothing to redo.")); }

}  // namespace lumora
