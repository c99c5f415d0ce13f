// Counting and listing the objects at a place: "conta", "lstobj=",
// "lstobjlnk=", "listaobjetos".
#include <vector>

#include "core/strings.h"
#include "form/form1.h"
#include "state/object_commands.h"
#include "state/object_table.h"

namespace lumora {
namespace {

// The record lines of the objects whose place equals place, in object order.
std::vector<size_t> ObjectsAt(const GameState& st, const std::string& place) {
  std::vector<size_t> found;
  const size_t count = static_cast<size_t>(ObjectCount(st));
  for (size_t k = 0; k < count; ++k)
    if (st.objectTable[k * kRecordLines + kLoc] == place) found.push_back(k * kRecordLines);
  return found;
}

// The items from the last to the first: "d3, d2 e d1." - the separator before
// the first item is " e ", every other one ", "; none give the empty text.
std::string JoinListing(const StringList& items) {
  if (items.empty()) return {};
  std::string text = items.back();
  for (size_t i = items.size() - 1; i-- > 0;) text += (i == 0 ? " e " : ", ") + items[i];
  return text + ".";
}

// Register argument 1 := the listing of the objects at place argument 2, each
// item made by item(record line).
template <typename MakeItem>
void ListObjects(TForm3& t, MakeItem item) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  const std::string place = PlaceWord(t.arg[1], t.f.Posic);
  t.traceLine += "," + place;
  StringList items;
  for (const size_t at : ObjectsAt(t.f.state, place)) items.push_back(item(at));
  t.f.state.registers[static_cast<size_t>(n)] = JoinListing(items);
}

}  // namespace

void CmdConta(TForm3& t) {
  const std::string place = PlaceWord(t.arg[0], t.f.Posic);
  const size_t count = ObjectsAt(t.f.state, place).size();
  t.traceLine += place + ",";
  // The register number is checked like every register-number argument: a
  // number outside 0 to register count changes nothing.
  const int n = RegisterArgument(t, t.arg[1]);
  if (n < 0) return;
  t.f.state.registers[static_cast<size_t>(n)] = IntToStr(static_cast<int64_t>(count));
}

void CmdLstObj(TForm3& t) {
  const StringList& table = t.f.state.objectTable;
  ListObjects(t, [&](size_t at) { return table[at + kDsc]; });
}

// Each item is a link to the object's script, for the page of display model 2.
void CmdLstObjLnk(TForm3& t) {
  const StringList& table = t.f.state.objectTable;
  ListObjects(t, [&](size_t at) { return "<a href=Scp=" + table[at + kKey] + ">" + table[at + kDsc] + "</a>"; });
}

// Fills the name list with the keys of the objects here or carried; nothing
// reads it, so the player sees no change.
void CmdListaObjetos(TForm3& t) {
  const std::string& which = t.arg[0];
  if (which != "loc" && which != "jog") return;
  GameState& st = t.f.state;
  st.names.clear();
  for (const size_t at : ObjectsAt(st, PlaceWord(which, t.f.Posic))) st.names.push_back(st.objectTable[at + kKey]);
}

}  // namespace lumora
