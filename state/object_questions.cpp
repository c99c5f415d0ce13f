// Object questions that jump to a label: "ifobj=", "ifobj#", "tem?".
#include "form/form1.h"
#include "state/object_commands.h"
#include "state/object_table.h"

namespace lumora {
namespace {

// Jumps to the label (argument 3) when the object's place equals the place
// (argument 2) as wanted.
void IfObject(TForm3& t, bool jumpWhenEqual) {
  const std::string& key = t.arg[0];
  t.traceLine += key;
  const std::string place = PlaceWord(t.arg[1], t.f.Posic);
  const std::string label = t.arg[2];
  const int at = ObjectRecordOrTrace(t, key);
  if (at < 0) return;
  const bool equal = t.f.state.objectTable[static_cast<size_t>(at + kLoc)] == place;
  if (equal != jumpWhenEqual) {
    t.traceLine += place + "," + label + " <- n\xE3o saltou";
    return;
  }
  t.traceLine += place + "," + label + " <- saltou";
  JumpToLabel(t, label);
}

}  // namespace

void CmdIfObjEqual(TForm3& t) { IfObject(t, true); }

void CmdIfObjNotEqual(TForm3& t) { IfObject(t, false); }

// Unlike the other commands, every record of the key counts: the player has the
// object when any of them is carried.
void CmdTem(TForm3& t) {
  const GameState& st = t.f.state;
  const size_t count = static_cast<size_t>(ObjectCount(st));
  for (size_t k = 0; k < count; ++k) {
    if (st.objectTable[k * kRecordLines] == t.arg[0] && st.objectTable[k * kRecordLines + kLoc] == "jog") {
      JumpToLabel(t, std::string(t.arg[1]));
      return;
    }
  }
}

}  // namespace lumora
