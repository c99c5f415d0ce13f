// The general real-number format: rounding to 15 digits, where the exponent form
// begins, and the decimal separator.
#include <gtest/gtest.h>

#include <limits>

#include "core/numbers.h"

namespace lumora {
namespace {

TEST(FloatGeneral, ShortestFormWithFifteenDigits) {
  const struct {
    long double value;
    const char* text;
  } cases[] = {
      {3, "3"},
      {2.5L, "2.5"},
      {-0.25L, "-0.25"},
      {100, "100"},
      {-0.0L, "0"},
      {123456.789L, "123456.789"},
      {1.0L / 3, "0.333333333333333"},
      {-2.0L / 3, "-0.666666666666667"},
      {0.99999999999999999L, "1"},                  // rounding carries into a new digit
      {999999999999999, "999999999999999"},        // 15 digits before the separator
      {1e15L, "1E15"},                             // 16 digits
      {999999999999999.9L, "1E15"},
      {1e20L, "1E20"},
      {-1.5e20L, "-1.5E20"},
      {123456789012345.6L, "123456789012346"},
      {0.0001L, "0.0001"},
      {0.00001L, "0.00001"},                       // the smallest fixed form
      {0.0000099L, "9.9E-6"},
      {1.5e-7L, "1.5E-7"},
      {-5e-6L, "-5E-6"},
      {1e-300L, "1E-300"},
      {std::numeric_limits<long double>::infinity(), "INF"},
      {-std::numeric_limits<long double>::infinity(), "-INF"},
      {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatGeneral(c.value, '.'), c.text) << static_cast<double>(c.value);
}

TEST(FloatGeneral, WritesTheGivenSeparator) {
  EXPECT_EQ(FloatGeneral(2.5L, ','), "2,5");
  EXPECT_EQ(FloatGeneral(-1.25e-7L, ','), "-1,25E-7");
  EXPECT_EQ(FloatGeneral(0.001L, ','), "0,001");
  EXPECT_EQ(FloatGeneral(7, ','), "7");
}

}  // namespace
}  // namespace lumora
