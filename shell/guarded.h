// The guard around every entry from the window system into the engine.
#pragma once
#include <new>

#include "core/script_error.h"
#include "core/stop_request.h"
#include "core/translation.h"
#include "form/form1.h"

namespace lumora {

template <typename Fn>
bool Guarded(TForm1& f, Fn&& fn) {
  try {
    fn();
    return true;
  } catch (const ScriptError& e) {
    f.platform.ShowError(e.what());
    return false;
  } catch (const RunStopped&) {
    // The program is ending: the run was cut short on purpose, nothing to show.
    f.runStopped = true;
    return false;
  } catch (const std::bad_alloc&) {
    // A game asked for more than the machine has (a giant list or picture):
    // the run ends like any other error, and the saved game on disk stays as the
    // last finished run left it.
    f.platform.ShowError(Translated1252(QT_TRANSLATE_NOOP("Game", "Not enough memory to go on with this action.")));
    return false;
  }
}

}  // namespace lumora
