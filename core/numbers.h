// Real numbers written as text: the general format with the user's decimal separator.
#pragma once
#include <string>

namespace lumora {

// The decimal separator of the user's locale as one Windows-1252 byte; "." when
// the locale's separator has no single-byte form.
char DecimalSeparator();

// The general format: the shortest form with at most 15 significant digits, no
// trailing zeros, no separator when the value is integral ("3", "2.5", "-0.25"),
// and mantissa "E" exponent when the value needs more than 15 digits before the
// separator or lies below 0.00001 ("1E20", "5E-6", "1.5E-7").
std::string FloatGeneral(long double value, char separator);
std::string FloatGeneral(long double value);

}  // namespace lumora
