// Conditional commands: the carried command is re-dispatched in the same call,
// a jump hands over to "goto".
#include "script/conditions.h"

#include <algorithm>
#include <cstring>

#include "core/paths.h"
#include "core/strings.h"
#include "core/trace.h"
#include "form/form1.h"
#include "script/flow.h"

namespace lumora {
namespace {

// Arguments from..9 (1-based) joined by ",".
std::string Joined(const TForm3& t, size_t from) {
  std::string out;
  for (size_t i = from - 1; i < t.arg.size(); ++i) {
    if (i > from - 1) out += ",";
    out += t.arg[i];
  }
  return out;
}

// The carried command: its keyword is argument `at` (1-based), the arguments
// after it move down to 1, 2, ... and the freed ones at the end are emptied.
// They were split and had their "#n" replaced with the conditional line, and
// are used as they are.
void RunCarried(TForm3& t, size_t at) {
  // Past the arguments in use every one is empty already: only those move (a
  // loop's condition carries "goto" and one label). Each moves down to a lower
  // position, read before it is written over.
  const size_t given = std::min(t.arg.size(), std::max(t.argsInUse, kArgsCommandsSet));
  AssignText(t.keyword, t.arg[at - 1]);
  for (size_t i = 0; i < given; ++i) {
    if (i + at < given) AssignText(t.arg[i], t.arg[i + at]);
    else t.arg[i].clear();
  }
  t.argsInUse = given > at ? given - at : 0;
  if (TraceListened()) t.traceLine.assign("Exec: ").append(t.keyword).append(" ");
  Dispatch(t);
}

// The register tests share their start: the register-number argument and the
// trace of the rest. Returns the register's value, or nullptr out of range.
const std::string* RegisterTestStart(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return nullptr;
  // Only a listener reads this remark, and a loop pays for it on every turn.
  if (TraceListened()) t.traceLine.append(",").append(t.arg[1]).append("+").append(Joined(t, 3));
  return &t.f.state.registers[static_cast<size_t>(n)];
}

template <typename Test>
void IfRegister(TForm3& t, Test test) {
  const std::string* value = RegisterTestStart(t);
  if (value && test(*value, t.arg[1])) RunCarried(t, 3);
}

void IfExit(TForm3& t, const std::string& exit) {
  t.traceLine += Joined(t, 1);
  if (!exit.empty()) RunCarried(t, 1);
}

void IfModel(TForm3& t, DisplayModel model) {
  if (t.f.Model() == model) RunCarried(t, 1);
}

}  // namespace

int CompareBytes(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  // memcmp compares as unsigned char, so accented letters sort after ASCII.
  if (const int c = n ? std::memcmp(a.data(), b.data(), n) : 0) return c;
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

void CmdIfEqual(TForm3& t) {
  IfRegister(t, [](const std::string& r, const std::string& v) { return r == v; });
}

void CmdIfDiffers(TForm3& t) {
  IfRegister(t, [](const std::string& r, const std::string& v) { return r != v; });
}

// Both readings are unguarded: a text that is no number ends the run. The
// register is read first, so its error is the one shown when both fail.
void CmdIfGreater(TForm3& t) {
  IfRegister(t, [](const std::string& r, const std::string& v) {
    const int32_t value = IntUnguarded(r);
    return value > IntUnguarded(v);
  });
}

void CmdIfLess(TForm3& t) {
  IfRegister(t, [](const std::string& r, const std::string& v) {
    const int32_t value = IntUnguarded(r);
    return value < IntUnguarded(v);
  });
}

// The bounds are compared as texts, not numbers: "if~ 1,3,7" holds for "30"
// and "3abc" but not for "10". The numbers only appear in the trace.
void CmdIfBetween(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  t.traceLine += t.arg[1] + "+" + Joined(t, 3);
  const std::string low = t.arg[1].empty() ? "0" : t.arg[1];
  const std::string high = t.arg[2].empty() ? "0" : t.arg[2];
  t.traceLine += "," + IntToStr(IntOr(low, 0)) + "," + IntToStr(IntOr(high, 0)) + "," + Joined(t, 4);
  const std::string& value = t.f.state.registers[static_cast<size_t>(n)];
  if (CompareBytes(value, low) >= 0 && CompareBytes(value, high) <= 0) RunCarried(t, 4);
}

void CmdIfNorth(TForm3& t) { IfExit(t, t.f.exits.norte); }
void CmdIfSouth(TForm3& t) { IfExit(t, t.f.exits.sul); }
void CmdIfEast(TForm3& t) { IfExit(t, t.f.exits.leste); }
void CmdIfWest(TForm3& t) { IfExit(t, t.f.exits.oeste); }

void CmdIfModel0(TForm3& t) { IfModel(t, DisplayModel::Typed); }
void CmdIfModel1(TForm3& t) { IfModel(t, DisplayModel::Picture); }
void CmdIfModel2(TForm3& t) { IfModel(t, DisplayModel::Page); }
void CmdIfModel3(TForm3& t) { IfModel(t, DisplayModel::Canvas); }

void CmdGetDir(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  const std::string& word = t.arg[1];
  const std::string* exit = ExitOfWord(t.f.exits, word);
  t.traceLine += "," + word;
  if (!exit || exit->empty()) {
    t.traceLine += " <--- dire\xE7\xE3o desconhecida";
    return;
  }
  t.f.state.registers[static_cast<size_t>(n)] = *exit;
}

void CmdScriptCmd(TForm3& t) {
  const std::string& name = t.arg[0];
  if (name.empty()) {
    t.traceLine += " <--- n\xE3o especificou o script";
    return;
  }
  t.traceLine += name;
  if (!FileExists(t.f.gameFolder, name + ".scp")) {
    t.traceLine += " <--- n\xE3o existe este script";
    return;
  }
  t.f.vocabulary = name;
}

// The place's script must exist even when the place does not match.
void CmdIfPlace(TForm3& t) {
  TForm1& f = t.f;
  const std::string place = t.arg[0], label = t.arg[1];
  t.traceLine += place;
  if (!FileExists(f.gameFolder, place + ".scp")) {
    t.traceLine += " <--- script do local n\xE3o existe";
    return;
  }
  if (place != f.Posic) return;
  if (t.labels.FindName(f.run.lines, f.run.linesGeneration, label) < 0) {
    t.traceLine += " <--- n\xE3o existe este label no script";
    return;
  }
  JumpToLabel(t, label);
}

// No check of the place's script or of the label first: "goto" reports a
// missing label itself.
void CmdIfNotPlace(TForm3& t) {
  if (t.arg[0] != t.f.Posic) JumpToLabel(t, t.arg[1]);
}

}  // namespace lumora
