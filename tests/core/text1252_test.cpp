// Windows-1252 text at the edges.
#include <gtest/gtest.h>

#include <QString>

#include "core/text1252.h"

namespace lumora {
namespace {

TEST(Text1252, ConvertsBothWaysIncludingBytes80To9F) {
  const std::pair<const char*, const char*> cases[] = {
      {"N\xE3o", "N\xC3\xA3o"},                                  // ã
      {"\xA7", "\xC2\xA7"},                                      // §
      {"\x80", "\xE2\x82\xAC"},                                  // euro sign
      {"\x93" "aspas\x94", "\xE2\x80\x9C" "aspas\xE2\x80\x9D"},  // curly double quotes
      {"\x91\x92", "\xE2\x80\x98\xE2\x80\x99"},                  // curly single quotes
      {"\x85", "\xE2\x80\xA6"},                                  // ellipsis
      {"\x9F", "\xC5\xB8"},                                      // Ÿ
      {"\x81", "\xC2\x81"},                                      // undefined: the C1 control
      {"\xFF", "\xC3\xBF"},
      {"abc", "abc"},
  };
  for (const auto& [cp1252, utf8] : cases) {
    EXPECT_EQ(Utf8FromCp1252(cp1252), utf8);
    EXPECT_EQ(Cp1252FromUtf8(utf8), cp1252);
  }
}

TEST(Text1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
  EXPECT_EQ(Cp1252FromQString(QStringFromCp1252(all)), all);
  EXPECT_EQ(QStringFromCp1252("\x80").at(0).unicode(), 0x20AC);
}

TEST(Text1252, WhatTheCodePageCannotHold) {
  EXPECT_EQ(Cp1252FromUtf8("\xE4\xB8\xAD"), "?");     // a Chinese letter
  EXPECT_EQ(Cp1252FromUtf8("a\xE7" "b"), "a\xE7" "b");  // not UTF-8: the byte stays
  EXPECT_EQ(Cp1252FromQString(QString::fromUtf8("\xE2\x82\xAC\xE2\x86\x92")), "\x80?");
}

}  // namespace
}  // namespace lumora
