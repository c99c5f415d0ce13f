// Subroutines: "gosub" to a script or a label, one level deep, and "return".
#include "core/paths.h"
#include "core/strings.h"
#include "core/trace.h"
#include "form/form1.h"
#include "form/script_ref.h"
#include "script/flow.h"
#include "script/labels.h"

namespace lumora {
namespace {

const std::string kSubroutineRule(48, '-');

// A script called as a subroutine: it replaces the running one, and RunScript's
// step lands on its line 1, as with "script".
void CallScript(TForm3& t, const std::string& name) {
  TForm1& f = t.f;
  LoadScriptLines(f, name);
  f.Script = name;
  f.run.lineIndex = 0;
  t.traceLine += name + " <- script em subrotina";
  Trace(t.traceLine);
  SetTraceScript(name);  // the "gosub" line was the caller's
  Trace(kSubroutineRule);
  Trace("Executando script: " + name + ".scp");
  Trace("Labels neste script...");
  Trace(LabelListing(f.run.lines));
  Trace("");
  t.traceLine.clear();  // gone out already; RunScript would send it twice
}

// A label called as a subroutine: "goto" takes over in the same call.
void CallLabel(TForm3& t) {
  t.arg[0].erase(0, 1);
  t.traceLine += t.arg[0] + " <- label em subrotina!";
  Trace(t.traceLine);
  t.traceLine = kSubroutineRule;
  JumpToLabel(t, t.arg[0]);
}

}  // namespace

void CmdGosub(TForm3& t) {
  TForm1& f = t.f;
  ScriptRun& run = f.run;
  const std::string target = t.arg[0];
  if (run.gosubLine >= 0) {
    t.traceLine += " <--- j\xE1 existe gosub em execu\xE7\xE3o (" + run.gosubScript + ")";
    return;
  }
  if (target.empty()) {
    t.traceLine += " <--- n\xE3o informou o script/label";
    return;
  }
  const bool label = StartsWith(target, ":");
  if (!label && !ScriptInsideGame(f.gameFolder, target)) {
    t.traceLine += target + kOutsideFolderTrace;
    return;
  }
  if (!label && !FileExists(f.gameFolder, target + ".scp")) {
    t.traceLine += target + " <--- n\xE3o existe este script";
    return;
  }
  run.gosubScript = f.Script;
  run.gosubLine = run.lineIndex;
  if (label)
    CallLabel(t);
  else
    CallScript(t, target);
}

void CmdReturn(TForm3& t) {
  TForm1& f = t.f;
  ScriptRun& run = f.run;
  if (run.gosubLine < 0) {
    t.traceLine += " <--- n\xE3o h\xE1 gosub em execu\xE7\xE3o!";
    return;
  }
  // A subroutine at a label of the same script comes back without reloading it.
  if (f.Script != run.gosubScript) LoadScriptLines(f, run.gosubScript);
  f.Script = run.gosubScript;
  // RunScript's step goes on with the line after the "gosub".
  run.lineIndex = run.gosubLine;
  run.gosubLine = -1;
  t.traceLine += " <- retorno ao script " + f.Script + " na linha: " + IntToStr(run.lineIndex);
  Trace(t.traceLine);
  SetTraceScript(f.Script);  // the "return" line was the subroutine's
  t.traceLine = kSubroutineRule;
}

void CmdRecall(TForm3&) {}

}  // namespace lumora
