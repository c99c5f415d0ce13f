// Trim and whole-number reading.
#include "core/strings.h"

#include <charconv>

#include "core/script_error.h"

namespace lumora {

std::string_view TrimView(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20) --e;
  return s.substr(b, e - b);
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

void AssignTrimmed(std::string& out, std::string_view s) {
  const std::string_view t = TrimView(s);
  // The view may point into out itself: erase from the ends instead of copying.
  if (t.data() >= out.data() && t.data() <= out.data() + out.size()) {
    out.erase(static_cast<size_t>(t.data() - out.data()) + t.size());
    out.erase(0, static_cast<size_t>(t.data() - out.data()));
  } else {
    out.assign(t);
  }
}

std::optional<int32_t> ReadIntGeneral(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  bool hex = false;
  if (i < s.size() && s[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= s.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    const int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (value > (hex ? 0xFFFFFFFFull : 0x80000000ull)) return std::nullopt;
  }
  if (hex) {
    const auto bits = static_cast<uint32_t>(value);
    return static_cast<int32_t>(negative ? 0u - bits : bits);
  }
  if (!negative && value > 0x7FFFFFFFull) return std::nullopt;
  const int64_t signed_value = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
  return static_cast<int32_t>(signed_value);
}

void ThrowNotInteger(std::string_view s) {
  throw ScriptError("'" + std::string(s) + "' is not a valid integer value");
}

std::string IntToStr(int64_t n) {
  std::string out;
  AppendInt(out, n);
  return out;
}

void AppendInt(std::string& out, int64_t n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  out.append(digits, static_cast<size_t>(end - digits));
}

void AssignInt(std::string& out, int64_t n) {
  // A loop's counter is written on every turn: over the old digits in place,
  // and in 32 bits when it fits, as a register's number does.
  char digits[24];
  const auto end = n >= INT32_MIN && n <= INT32_MAX
                       ? std::to_chars(digits, digits + sizeof digits, static_cast<int32_t>(n)).ptr
                       : std::to_chars(digits, digits + sizeof digits, n).ptr;
  AssignText(out, std::string_view(digits, static_cast<size_t>(end - digits)));
}

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace lumora
