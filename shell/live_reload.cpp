// Live reload: the place's script run again when the author edits a file.
#include "shell/live_reload.h"

#include <QFileInfo>
#include <cerrno>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/text1252.h"
#include "core/trace.h"
#include "core/translation.h"
#include "form/form1.h"
#include "script/run_script.h"

namespace lumora {
namespace {

bool IsPictureOrScript(const QString& suffix) {
  static const QStringList kShown = {"scp", "bmp", "png", "jpg", "jpeg", "gif"};
  return kShown.contains(suffix);
}

}  // namespace

bool ReloadsOnChange(const TForm1& f, const std::string& name) {
  const std::string name1252 = Cp1252FromUtf8(name);
  if (f.map.savedNames.count(name1252)) return false;
  if (!f.vocabulary.empty() && name1252 == f.vocabulary) return true;
  return IsPictureOrScript(QFileInfo(QString::fromStdString(name)).suffix().toLower());
}

bool RunPlaceAgain(TForm1& f, const std::string& changed) {
  if (f.runDepth != 0) return false;
  // The game not started yet reads the files as they are when it starts.
  if (!f.loaderFinished || f.Abok0.pageIndex == kOpeningPage) return true;
  if (f.Script.empty()) f.Script = f.Posic.empty() ? "start" : f.Posic;
  const std::string changed1252 = Cp1252FromUtf8(changed);
  // The author is mid-edit (a script renamed, a line broken): the game waits
  // as it is for the next save.
  auto fail = [&](const std::string& why) {
    Trace("Recarregado com erro: " + why);
    f.notice = Translated1252(QT_TRANSLATE_NOOP("Game", "After the change to %1: %2"), {changed1252, why});
  };
  const std::string script = f.Script + ".scp";
  if (!FileExists(f.gameFolder, script)) {
    fail(FileError(FileAction::Open, Cp1252FromUtf8(f.gameFolder) + script, ENOENT).what());
    return true;
  }
  Trace("Recarregado: " + changed1252 + " mudou, " + script + " de novo");
  try {
    RunScript(f, f.Script);
  } catch (const ScriptError& e) {
    fail(e.what());
  }
  return true;
}

}  // namespace lumora
