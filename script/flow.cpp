// Flow control: "fim", "script", "pausa=", the special variables and "goto".
// Subroutines are in subroutines.cpp.
#include "script/flow.h"

#include <cerrno>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/stop_request.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "core/trace.h"
#include "form/form1.h"
#include "form/script_ref.h"
#include "script/stop_poll.h"

namespace lumora {
namespace {

bool ScriptExists(const TForm1& f, const std::string& name) { return FileExists(f.gameFolder, name + ".scp"); }

}  // namespace

void LoadScriptLines(TForm1& f, const std::string& name) {
  const std::string file = name + ".scp";
  StringList lines;
  if (!LoadLines(ResolvePath(f.gameFolder, file), lines))
    throw FileError(FileAction::Open, Cp1252FromUtf8(f.gameFolder) + file, errno);
  f.run.lines = std::move(lines);
  ++f.run.linesGeneration;
}

void CmdFim(TForm3& t) {
  t.traceLine += "<-Encerrou a execu\xE7\xE3o";
  Trace(t.traceLine);
  Trace(std::string(48, '='));
  t.traceLine.clear();
  // RunScript steps on by one and then finds itself past the end.
  t.f.run.lineIndex = static_cast<int>(t.f.run.lines.size()) + 10;
}

void CmdScript(TForm3& t) {
  TForm1& f = t.f;
  const std::string& reference = t.arg[0];
  if (reference.empty()) {
    t.traceLine += " <--- n\xE3o informou o nome do script";
    return;
  }
  // Parameters the reference does not name keep their values.
  std::string name = Contains(reference, "&") ? SplitReference(reference, f.params) : reference;
  name = ResolveName(name, f.exits, f.Specials());
  t.traceLine += name;
  if (!ScriptInsideGame(f.gameFolder, name)) {
    t.traceLine += kOutsideFolderTrace;
    return;
  }
  if (!ScriptExists(f, name)) {
    t.traceLine += " <- script n\xE3o existe";
    return;
  }
  LoadScriptLines(f, name);
  f.Script = name;
  // RunScript's step lands on line 1: a script entered this way skips its
  // first line.
  f.run.lineIndex = 0;
  Trace(t.traceLine);
  SetTraceScript(name);  // the lines after this one are the new script's
  t.traceLine.clear();  // gone out already; RunScript would send it twice
}

void CmdPausa(TForm3& t) {
  TForm1& f = t.f;
  const int32_t tenths = IntOr(t.arg[0], 1);
  t.traceLine += IntToStr(tenths);
  // A click handled during the pause runs a nested script, which rebuilds the
  // trace line; this command's line is the one to send when it ends.
  const std::string trace = t.traceLine;
  // A request to end the program (the quit button, closing the window, SIGTERM)
  // ends the pause and the run with it: a script looping on pauses would
  // otherwise run on for ever, every pause returning at once. The window's own
  // requests come through the messages; a signal is looked at here, so that a
  // pause of hours ends within a tenth of a second on any platform.
  for (int32_t i = 0; i < tenths && !f.exitRequested; ++i) {
    f.platform.WaitForMessages(Platform::PlayerInput::Delivered, 100);
    if (StopRequested()) f.exitRequested = true;
  }
  StopIfExitRequested(f);
  t.traceLine = trace;
}

// "retscp=" and "setpos=": the special script takes the name, even of a
// script that does not exist (the trace says so).
void SetSpecialScript(TForm3& t, std::string& field) {
  t.traceLine += t.arg[0];
  if (!ScriptExists(t.f, t.arg[0])) t.traceLine += " <- n\xE3o existe este script";
  field = t.arg[0];
}

void CmdRetScp(TForm3& t) { SetSpecialScript(t, t.f.RetScp); }
void CmdSetPos(TForm3& t) { SetSpecialScript(t, t.f.Posic); }

void CmdGetVar(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  const TForm1& f = t.f;
  const std::string& name = t.arg[1];
  static const std::string kNone;
  const std::string& value = name == "Modelo"   ? f.Modelo
                             : name == "Script" ? f.Script
                             : name == "IniScp" ? f.IniScp
                             : name == "RetScp" ? f.RetScp
                             : name == "Posic"  ? f.Posic
                             : name == "Objeto" ? f.Objeto
                                                : kNone;
  t.traceLine += "," + value;
  if (value.empty()) {
    t.traceLine += " <--- vari\xE1vel desconhecida";
    return;
  }
  t.f.state.registers[static_cast<size_t>(n)] = value;
}

void CmdGoto(TForm3& t) {
  TForm1& f = t.f;
  const StringList& lines = f.run.lines;
  if (TraceListened()) t.traceLine += t.arg[0];
  const int label = t.labels.FindName(lines, f.run.linesGeneration, t.arg[0]);
  if (label < 0) {
    t.traceLine += " <--- n\xE3o existe este label";
    return;
  }
  if (static_cast<size_t>(label) + 1 >= lines.size()) {
    // The label is the last line: nothing follows it, so the call ends and
    // RunScript's step takes the run past the end.
    f.run.lineIndex = label;
    return;
  }
  // The line after the label runs at once, in this same call.
  f.run.lineIndex = label + 1;
  t.restart = true;
}

}  // namespace lumora
