// The guard around every entry from the window system into the engine.
#pragma once
#include "core/script_error.h"
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
  }
}

}  // namespace lumora
