// Trim and whole-number reading, shared by every command family.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Removes blanks and control characters (bytes up to 20 hex) at both ends.
std::string Trim(std::string_view s);
std::string_view TrimView(std::string_view s);
// out := Trim(s), reusing out's storage; s may be out itself or a part of it.
void AssignTrimmed(std::string& out, std::string_view s);
// out := s, for the short texts the interpreter sets on every line (keyword,
// arguments): the bytes out holds already are written over in place and the
// length cut or the rest appended, without the general assignment's checks for
// overlap. s must not be a part of out.
inline void AssignText(std::string& out, std::string_view s) {
  const size_t kept = s.size() < out.size() ? s.size() : out.size();
  for (size_t i = 0; i < kept; ++i) out[i] = s[i];
  if (s.size() > kept) out.append(s.data() + kept, s.size() - kept);
  else out.resize(kept);
}

// Reads a signed 32-bit whole number: leading blanks, an optional sign, decimal
// digits or hexadecimal after "$", "0x" or "0X". Hexadecimal covers 32 bits
// unsigned and wraps ("$FFFFFFFF" is -1); decimal out of range is refused.
std::optional<int32_t> ReadIntGeneral(std::string_view s);
inline std::optional<int32_t> ReadInt(std::string_view s) {
  // Most texts read are plain decimal numbers of up to nine digits, on every
  // line of a loop: those need none of the general checks and cannot overflow.
  if (!s.empty() && s.size() <= 9) {
    int32_t plain = 0;
    size_t k = 0;
    for (; k < s.size() && s[k] >= '0' && s[k] <= '9'; ++k) plain = plain * 10 + (s[k] - '0');
    if (k == s.size()) return plain;
  }
  return ReadIntGeneral(s);
}

// The value of one hexadecimal digit (0-9, a-f, A-F), or -1.
constexpr int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Guarded reading: the default when the text is not a whole number.
inline int32_t IntOr(std::string_view s, int32_t fallback) {
  const auto v = ReadInt(s);
  return v ? *v : fallback;
}

// Unguarded reading: a text that is not a whole number raises ScriptError
// "'x' is not a valid integer value".
[[noreturn]] void ThrowNotInteger(std::string_view s);
inline int32_t IntUnguarded(std::string_view s) {
  const auto v = ReadInt(s);
  if (!v) ThrowNotInteger(s);
  return *v;
}

// A whole number computed in 64 bits from values a game may set to the
// extremes (a font size of two thousand million plus its half), held to 32 bits.
constexpr int32_t SaturatedInt(int64_t v) {
  return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
}

// Decimal text of a whole number; the Append/Assign forms reuse the string's
// storage, for the lines that run in every turn of a loop.
std::string IntToStr(int64_t n);
void AppendInt(std::string& out, int64_t n);
void AssignInt(std::string& out, int64_t n);

bool Contains(std::string_view s, std::string_view part);
bool StartsWith(std::string_view s, std::string_view prefix);

}  // namespace lumora
