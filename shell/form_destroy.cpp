// Shutdown: the running values into the configuration, the configuration and
// the saved game written back. Only what was loaded whole is written, so closing
// on the opening screen or after a failed creation or load never touches a saved game.
#include <vector>

#include "core/paths.h"
#include "core/string_list.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "core/strings.h"
#include "form/config.h"
#include "shell/lifecycle.h"
#include "shell/state_folder.h"
#include "state/state_files.h"
#include "view/rain.h"

namespace lumora {

StringList ConfigAsSaved(const TForm1& f) {
  StringList config = f.config;
  if (config.size() < static_cast<size_t>(kConfigLineCount)) return config;
  auto set = [&](int n, std::string value) { config[static_cast<size_t>(n)] = std::move(value); };
  set(kWindowLeft, IntToStr(f.windowLeft));
  set(kWindowTop, IntToStr(f.windowTop));
  set(kGameNameLine, f.gameName);
  set(kRegisterCount, IntToStr(f.state.registerCount));
  set(kIniScpLine, f.IniScp);
  set(kScriptLine, f.Script);
  set(kRetScpLine, f.RetScp);
  set(kObjetoLine, f.Objeto);
  set(kPosicLine, f.Posic);
  set(kGameWidth, IntToStr(f.Abok0.width));
  set(kGameHeight, IntToStr(f.Abok0.height));
  return config;
}

namespace {

// The author may edit the configuration while the game plays: the file is
// then kept as the author left it, and the player is told once.
void SaveConfig(TForm1& f, const std::string& folder) {
  const std::string path = ResolvePath(folder, f.gameName + ".ini");
  StringList now;
  f.writer.Flush();  // a restore's own configuration must be on disk to be compared
  if (path == f.configAsRead.path && LoadLines(path, now) && now != f.configAsRead.lines) {
    f.platform.ShowError(Translated1252(
        QT_TRANSLATE_NOOP("Game", "The configuration %1 was changed on disk while the game played; it is kept as it "
                                  "is, without this session's window place and names."),
        {Cp1252FromUtf8(path)}));
    return;
  }
  std::vector<StateWriter::File> files;
  files.push_back({path, f.config, {}, false, false});
  f.writer.Write("", std::move(files));
}

}  // namespace

void FormDestroy(TForm1& f) {
  // No rain tick may draw on a form that is being torn down.
  StopRain(f);
  Guarded(f, [&] {
    if (f.loaderFinished && f.config.size() >= static_cast<size_t>(kConfigLineCount)) {
      f.config = ConfigAsSaved(f);
      SaveConfig(f, f.stateFolder);
    }
    if (f.gameFolder.empty()) return;  // the game was never loaded
    // After a creation or a load that failed half-way, the lists may be sized
    // by defaults rather than by the game; after a run cut short by the exit
    // they hold a moment no run finished. Either way the saved game on disk,
    // written at the end of the last finished run, is the better one.
    if (!f.configLoaded || !f.loaderFinished || f.runStopped) return;
    SaveGameTogether(f.writer, f.state, f.stateFolder, f.gameName);
  });
  // The program ends once its saves are on disk.
  f.writer.Flush();
  ReportSaveFailure(f.writer, f.platform);
  RemoveSessionStateFolder(f);
}

}  // namespace lumora
