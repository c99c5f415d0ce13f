// The handler API's shared argument reading.
#include "command/handler.h"

#include <cstdint>
#include <utility>

#include "core/numbers.h"
#include "core/strings.h"
#include "core/trace.h"
#include "form/form1.h"

namespace lumora {

void JumpToLabel(TForm3& t, std::string label) {
  t.keyword = "goto";
  t.arg[0] = std::move(label);  // the label may have been one of the arguments
  t.jumpToLabel = true;
}

int RegisterArgument(TForm3& t, const std::string& argument) {
  const int32_t n = IntOr(argument, 0);  // empty reads as 0 too
  if (TraceListened()) AppendInt(t.traceLine, n);
  if (n < 0 || n > t.f.state.registerCount) {
    t.traceLine += " <--- registrador fora de faixa";
    return -1;
  }
  if (static_cast<size_t>(n) >= t.f.state.registers.size()) PadRegisters(t.f.state);
  return n;
}

}  // namespace lumora
