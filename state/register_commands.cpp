// Register commands that set and test texts: "reg=", "reg$", "trim", "regtxt=",
// "regtxt+", the "ifreg" jumps, and the object commands "poeobj=" and "temos?".
#include "state/register_commands.h"

#include <algorithm>

#include "core/strings.h"
#include "form/form1.h"
#include "state/object_commands.h"
#include "state/object_table.h"
#include "form/text_codes.h"

namespace lumora {
namespace {

// Jumps hand over to "goto" within the same call, which moves the line index.
void JumpIf(TForm3& t, bool condition, const std::string& label) {
  if (!condition) {
    t.traceLine += " <- n\xE3o saltou";
    return;
  }
  t.traceLine += " <- saltou";
  JumpToLabel(t, label);
}

std::string& Register(TForm3& t, int n) { return t.f.state.registers[static_cast<size_t>(n)]; }

// The register jumps compare either texts or the register number itself; the
// label is argument 3 in all four.
template <typename Test>
void IfReg(TForm3& t, Test test) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  JumpIf(t, test(n), t.arg[2]);
}

}  // namespace

void CmdRegSet(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  t.traceLine += "," + t.arg[1];
  Register(t, n) = t.arg[1];
}

void CmdRegAppend(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  const std::string text = ApplyTextCodes(t.arg[1], t.f.Model());
  t.traceLine += "," + text;
  Register(t, n) += text;
}

void CmdRegTrim(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  std::string& reg = Register(t, n);
  reg = Trim(reg);
}

// The quoted text runs from argument 2 over the following script lines up to the
// next apostrophe; the lines it takes are not executed.
void CmdRegText(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  TForm1& f = t.f;
  const StringList& lines = f.run.lines;
  std::string piece = t.arg[1];
  if (StartsWith(piece, "'")) piece.erase(0, 1);
  piece = Trim(piece);
  std::string collected = t.keyword == "regtxt+" ? Register(t, n) : std::string();
  while (piece.find('\'') == std::string::npos) {
    collected += ApplyTextCodes(piece, f.Model()) + " ";
    ++f.run.lineIndex;
    piece = static_cast<size_t>(f.run.lineIndex) < lines.size() ? Trim(lines[static_cast<size_t>(f.run.lineIndex)]) : "'";
  }
  // Never closed: the text took the rest of the script. The index stays on the
  // last line, so the run ends after this command and nothing reads past the end.
  const int last = std::max(0, static_cast<int>(lines.size()) - 1);
  f.run.lineIndex = std::min(f.run.lineIndex, last);
  piece.resize(piece.find('\''));
  Register(t, n) = collected + piece;
  t.traceLine += "," + piece.substr(0, 5) + "...";
}

void CmdIfRegEqual(TForm3& t) {
  IfReg(t, [&](int n) { return Register(t, n) == t.arg[1]; });
}

void CmdIfRegDiffer(TForm3& t) {
  IfReg(t, [&](int n) { return Register(t, n) != t.arg[1]; });
}

// "ifreg>" and "ifreg<" compare the register number, not its content: scripts
// write "#5" to compare register 5's value. Argument 2 is read unguarded.
void CmdIfRegAbove(TForm3& t) {
  IfReg(t, [&](int n) { return n > IntUnguarded(t.arg[1]); });
}

void CmdIfRegBelow(TForm3& t) {
  IfReg(t, [&](int n) { return n < IntUnguarded(t.arg[1]); });
}

void CmdPoeObj(TForm3& t) {
  const std::string& key = t.arg[0];
  t.traceLine += key;
  const std::string place = PlaceWord(t.arg[1], t.f.Posic);
  const int line = ObjectRecordOrTrace(t, key);
  if (line < 0) return;
  t.f.state.objectTable[static_cast<size_t>(line + kLoc)] = place;
  t.traceLine += "," + place;
}

void CmdTemos(TForm3& t) {
  const std::string key = t.arg[0].empty() ? t.f.Objeto : t.arg[0];
  t.traceLine += key + ",";
  const int line = ObjectRecordOrTrace(t, key);
  if (line < 0) return;
  t.traceLine += t.arg[1];
  JumpIf(t, t.f.state.objectTable[static_cast<size_t>(line + kLoc)] == "jog", t.arg[1]);
}

}  // namespace lumora
