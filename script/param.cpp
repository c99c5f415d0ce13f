// "param=": copies the link parameter prm, prx or pry into a register.
#include "script/param.h"

#include "form/form1.h"

namespace lumora {

void CmdParam(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  const std::string& name = t.arg[1];
  t.traceLine += "," + name;
  const LinkParams& p = t.f.params;
  const std::string* value = name == "prm" ? &p.prm : name == "prx" ? &p.prx : name == "pry" ? &p.pry : nullptr;
  if (!value) {
    t.traceLine += " <--- par\xE2metro desconhecido";
    return;
  }
  t.f.state.registers[static_cast<size_t>(n)] = *value;
}

}  // namespace lumora
