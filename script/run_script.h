// RunScript: every outside event runs a script through it.
#pragma once
#include <string>

namespace lumora {

struct TForm1;

// Resets the display model's regions, loads the referenced script, executes its
// lines and finishes: composition, the saved game, the page. A ScriptError
// raised by a command leaves at once, skipping the finishing steps.
void RunScript(TForm1& f, const std::string& reference);

}  // namespace lumora
