// Trim and whole-number reading.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "core/strings.h"

namespace lumora {
namespace {

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEndsOnly) {
  EXPECT_EQ(Trim("  msg= a  b \t\r\n"), "msg= a  b");
  EXPECT_EQ(Trim("\x01\x1F x \x7F"), "x \x7F");  // 7F is no control character here
  EXPECT_EQ(Trim(" \xA0"), "\xA0");              // a non-breaking blank is text
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(Trim(""), "");
}

TEST(ReadInt, AcceptsWhatAWholeNumberMayBe) {
  const std::pair<const char*, int32_t> cases[] = {
      {"0", 0},
      {"42", 42},
      {"  42", 42},  // leading blanks
      {"+7", 7},
      {"-7", -7},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"$FF", 255},
      {"$ff", 255},
      {"0x1A", 26},
      {"0X1a", 26},
      {"$7FFFFFFF", INT32_MAX},
      {"$80000000", INT32_MIN},
      {"$FFFFFFFF", -1},
      {"-$10", -16},
  };
  for (const auto& [text, want] : cases) {
    const auto got = ReadInt(text);
    ASSERT_TRUE(got.has_value()) << '"' << text << '"';
    EXPECT_EQ(*got, want) << '"' << text << '"';
  }
}

TEST(ReadInt, RefusesWhatIsNoWholeNumber) {
  for (const char* text : {"", " ", "-", "+", "$", "0x", "12a", "1 2", "12 ", "1.5", "abc", "2147483648",
                           "-2147483649", "99999999999", "$100000000", "0xG", "#3"}) {
    EXPECT_FALSE(ReadInt(text).has_value()) << '"' << text << '"';
  }
}

TEST(ReadInt, GuardedAndUnguardedReadings) {
  EXPECT_EQ(IntOr("12", 5), 12);
  EXPECT_EQ(IntOr("x", 5), 5);
  EXPECT_EQ(IntOr("", -1), -1);
  EXPECT_EQ(IntUnguarded("$10"), 16);
  try {
    IntUnguarded("12px");
    FAIL() << "no error raised";
  } catch (const ScriptError& e) {
    EXPECT_STREQ(e.what(), "'12px' is not a valid integer value");
  }
  EXPECT_THROW(IntUnguarded(""), ScriptError);
}

}  // namespace
}  // namespace lumora
