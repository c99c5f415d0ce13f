// Register arithmetic: "reg+", "reg-", "reg*", "reg:", "reg/" and the random
// draw "reg?". Registers hold decimal text and are read again on every use; all
// whole-number results wrap at 32 bits as two's-complement.
#include <algorithm>

#include "core/numbers.h"
#include "core/strings.h"
#include "core/trace.h"
#include "form/form1.h"
#include "state/register_commands.h"

namespace lumora {
namespace {

// Computing in 64 bits and keeping the low 32 gives the wrap-around of 32-bit
// arithmetic without overflow in C++ (the most negative number / -1 included).
int32_t Wrap(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value))); }

struct Operands {
  int n = -1;      // register number, -1 when out of range
  int32_t v = 0;   // its value, text counting as 0
  int32_t d = 0;   // argument 2
};

// N, then argument 2 read guarded with the command's default (an empty argument
// gets the default too). Appends N and "," + D to the trace line.
Operands ReadOperands(TForm3& t, int32_t fallback) {
  Operands o;
  o.n = RegisterArgument(t, t.arg[0]);
  if (o.n < 0) return o;
  o.v = IntOr(t.f.state.registers[static_cast<size_t>(o.n)], 0);
  o.d = IntOr(t.arg[1], fallback);
  return o;
}

// A loop's counter goes up by one on every turn. When the register holds the
// number's own digits (no blank, sign or leading zero, at most nine, so the
// sum cannot wrap), the last ones are carried in place: the text the sum
// written out would give, without writing it out.
bool AddOneInPlace(std::string& digits) {
  if (digits.empty() || digits.size() > 9 || (digits[0] == '0' && digits.size() > 1)) return false;
  for (const char c : digits)
    if (c < '0' || c > '9') return false;
  size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
  if (i == 0) digits.insert(digits.begin(), '1');
  else ++digits[i - 1];
  return true;
}

void Store(TForm3& t, int n, int64_t value) { AssignInt(t.f.state.registers[static_cast<size_t>(n)], Wrap(value)); }

// An explicit 0 would end the whole run with a division error; the register
// keeps its value instead and the trace says why.
bool DivisorIsZero(TForm3& t, int32_t d) {
  if (d != 0) return false;
  t.traceLine += " <--- divis\xE3o por zero";
  return true;
}

// The integer commands: Op combines V and D, the trace shows D as a whole number.
template <typename Op>
void Arithmetic(TForm3& t, int32_t fallback, Op op) {
  const Operands o = ReadOperands(t, fallback);
  if (o.n < 0) return;
  if (TraceListened()) AppendInt(t.traceLine += ',', o.d);
  Store(t, o.n, op(int64_t{o.v}, int64_t{o.d}));
}

}  // namespace

void CmdRegAdd(TForm3& t) {
  const int n = RegisterArgument(t, t.arg[0]);
  if (n < 0) return;
  const int32_t d = IntOr(t.arg[1], 0);
  if (TraceListened()) AppendInt(t.traceLine += ',', d);
  std::string& value = t.f.state.registers[static_cast<size_t>(n)];
  // Counting by one needs no reading of the value: its digits are carried.
  if (d == 1 && AddOneInPlace(value)) return;
  Store(t, n, int64_t{IntOr(value, 0)} + d);
}

void CmdRegSub(TForm3& t) {
  Arithmetic(t, 0, [](int64_t v, int64_t d) { return v - d; });
}

void CmdRegMul(TForm3& t) {
  Arithmetic(t, 1, [](int64_t v, int64_t d) { return v * d; });
}

void CmdRegDiv(TForm3& t) {
  const Operands o = ReadOperands(t, 1);
  if (o.n < 0) return;
  if (TraceListened()) AppendInt(t.traceLine += ',', o.d);
  if (DivisorIsZero(t, o.d)) return;
  Store(t, o.n, int64_t{o.v} / o.d);  // truncates towards zero
}

void CmdRegDivReal(TForm3& t) {
  const Operands o = ReadOperands(t, 1);
  if (o.n < 0) return;
  t.traceLine += "," + FloatGeneral(o.d);
  if (DivisorIsZero(t, o.d)) return;
  t.f.state.registers[static_cast<size_t>(o.n)] = FloatGeneral(static_cast<long double>(o.v) / o.d);
}

// V plus a draw from 0 to M. A range below 0 (M below -1) would ask the generator
// for an arbitrary 32-bit number; it draws with range 0 instead, which still
// advances the seed so later draws stay where they were.
void CmdRegRandom(TForm3& t) {
  const Operands o = ReadOperands(t, 0);
  if (o.n < 0) return;
  if (TraceListened()) AppendInt(t.traceLine += ',', o.d);
  const int64_t range = std::max<int64_t>(0, int64_t{o.d} + 1);
  Store(t, o.n, int64_t{o.v} + t.f.random.Draw(static_cast<uint32_t>(range)));
}

}  // namespace lumora
