// "param=": a link parameter into a register.
#pragma once
#include "script/interp.h"

namespace lumora {

void CmdParam(TForm3& t);

}  // namespace lumora
