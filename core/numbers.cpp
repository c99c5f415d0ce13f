// The general real-number format.
#include "core/numbers.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/text1252.h"

namespace lumora {
namespace {

constexpr int kPrecision = 15;

// The value rounded to 15 significant digits: the digits without trailing zeros
// and the decimal exponent of the first one (value = d.ddd x 10^exponent).
void Digits(long double magnitude, std::string& digits, int& exponent) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*Le", kPrecision - 1, magnitude);
  // The C library writes the locale's separator: keep only the digits.
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  exponent = *p == 'e' ? std::atoi(p + 1) : 0;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

}  // namespace

char DecimalSeparator() {
  const std::string sep = Cp1252FromQString(QLocale::system().decimalPoint());
  return sep.size() == 1 ? sep[0] : '.';
}

std::string FloatGeneral(long double value, char separator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";  // also the negative zero of 0 / -5
  std::string digits;
  int exponent = 0;
  Digits(std::fabs(value), digits, exponent);
  std::string out = value < 0 ? "-" : "";
  if (exponent >= kPrecision || exponent < -5) {
    out += digits[0];
    if (digits.size() > 1) out += separator + digits.substr(1);
    return out + "E" + std::to_string(exponent);
  }
  if (exponent < 0) return out + "0" + separator + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  const size_t whole = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + separator + digits.substr(whole);
}

std::string FloatGeneral(long double value) { return FloatGeneral(value, DecimalSeparator()); }

}  // namespace lumora
