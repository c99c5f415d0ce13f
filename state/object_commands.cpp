// Object commands that read and change properties, move objects and select the
// current object.
#include "state/object_commands.h"

#include "core/trace.h"
#include "form/form1.h"
#include "state/object_table.h"

namespace lumora {
namespace {

// "getobj=" and its short forms: register number, key (and the property word).
void GetProperty(TForm3& t, const std::string& property) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  const std::string& key = t.arg[1];
  GameState& st = t.f.state;
  t.traceLine += key;
  const int at = ObjectRecordOrTrace(t, key);
  if (at < 0) return;
  std::string& reg = st.registers[static_cast<size_t>(n)];
  // Any other word leaves the register as it was.
  if (const int field = PropertyField(property); field > 0) reg = st.objectTable[static_cast<size_t>(at + field)];
  t.traceLine += "," + reg;
}

void SetProperty(TForm3& t, const std::string& key, const std::string& property, const std::string& value) {
  if (property.empty()) {
    t.traceLine += key + " <--- n\xE3o informou a propriedade";
    return;
  }
  GameState& st = t.f.state;
  const int at = FindObjectRecord(st, key);
  if (at < 0) {
    t.traceLine += key + " <--- este objeto n\xE3o existe!";
    return;
  }
  // The place words stand for the current place in every property.
  if (const int field = PropertyField(property); field > 0)
    st.objectTable[static_cast<size_t>(at + field)] = PlaceWord(value, t.f.Posic);
}

// Puts the object with key arg[0] at place; names the key in the trace.
void MoveObject(TForm3& t, const std::string& place) {
  const std::string& key = t.arg[0];
  t.traceLine += key;
  const int at = ObjectRecordOrTrace(t, key);
  if (at < 0) return;
  t.f.state.objectTable[static_cast<size_t>(at + kLoc)] = place;
}

}  // namespace

int ObjectRecordOrTrace(TForm3& t, std::string_view key) {
  const int at = FindObjectRecord(t.f.state, key);
  if (at < 0) t.traceLine += " <--- objeto n\xE3o existe";
  return at;
}

void CmdGetObj(TForm3& t) { GetProperty(t, t.arg[2]); }
void CmdGetNomObj(TForm3& t) { GetProperty(t, "nom"); }
void CmdGetDscObj(TForm3& t) { GetProperty(t, "dsc"); }
void CmdGetLocObj(TForm3& t) { GetProperty(t, "loc"); }
void CmdGetShpObj(TForm3& t) { GetProperty(t, "shp"); }
void CmdGetTagObj(TForm3& t) { GetProperty(t, "tag"); }

void CmdSetObj(TForm3& t) { SetProperty(t, t.arg[0], t.arg[1], t.arg[2]); }
void CmdSetNomObj(TForm3& t) { SetProperty(t, t.arg[0], "nom", t.arg[1]); }
void CmdSetDscObj(TForm3& t) { SetProperty(t, t.arg[0], "dsc", t.arg[1]); }
void CmdSetLocObj(TForm3& t) { SetProperty(t, t.arg[0], "loc", t.arg[1]); }
void CmdSetShpObj(TForm3& t) { SetProperty(t, t.arg[0], "shp", t.arg[1]); }
void CmdSetTagObj(TForm3& t) { SetProperty(t, t.arg[0], "tag", t.arg[1]); }

void CmdTiraTudo(TForm3& t) {
  const std::string from = PlaceWord(t.arg[0], t.f.Posic);
  const std::string to = PlaceWord(t.arg[1], t.f.Posic);
  if (from.empty()) {
    t.traceLine += " <--- n\xE3o informou \"de\" onde";
    return;
  }
  if (to.empty()) {
    t.traceLine += " <--- n\xE3o informou \"para\" onde";
    return;
  }
  t.traceLine += from + "," + to + " ";
  if (from == "jog")
    t.traceLine += " <- objetos colocados pelo jogador no objeto " + to + ".";
  else if (to != "jog")
    t.traceLine += " <- objetos em " + from + " que ser\xE3o colocados em " + to + ".";
  Trace(t.traceLine);
  t.traceLine = "  ";
  GameState& st = t.f.state;
  const size_t count = static_cast<size_t>(ObjectCount(st));
  for (size_t k = 0; k < count; ++k) {
    std::string& place = st.objectTable[k * kRecordLines + kLoc];
    if (place != from) continue;
    place = to;
    t.traceLine += st.objectTable[k * kRecordLines] + " ";
  }
}

void CmdPegaObj(TForm3& t) { MoveObject(t, "jog"); }

void CmdSoltaObj(TForm3& t) { MoveObject(t, t.f.Posic); }

void CmdObjeto(TForm3& t) {
  const std::string& key = t.arg[0];
  t.traceLine += key;
  if (ObjectRecordOrTrace(t, key) >= 0) t.f.Objeto = key;
}

void CmdGetUltObj(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  t.f.state.registers[static_cast<size_t>(n)] = t.f.Objeto;
  t.traceLine += "," + t.f.Objeto;
}

}  // namespace lumora
