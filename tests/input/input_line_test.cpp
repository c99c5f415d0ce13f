// The input line's edits: Windows-1252 upper case, and the field keeping what
// was typed as its entry mode says.
#include <gtest/gtest.h>

#include <QString>

#include "core/text1252.h"
#include "form/form1.h"
#include "input/typed_command.h"
#include "platform/null_platform.h"

namespace lumora {
namespace {

TEST(UpperCase1252, ChangesOnlyLettersWithACapitalInTheCodePage) {
  const struct {
    const char* what;
    std::string in, want;
  } cases[] = {
      {"ascii", "pega a chave 12, ok?", "PEGA A CHAVE 12, OK?"},
      {"capitals stay", "J\xC1 \x8A Z", "J\xC1 \x8A Z"},
      {"a grave", "\xE0", "\xC0"},
      {"thorn, the last", "\xFE", "\xDE"},
      {"s caron", "\x9A", "\x8A"},
      {"oe", "\x9C", "\x8C"},
      {"z caron", "\x9E", "\x8E"},
      {"y diaeresis", "\xFF", "\x9F"},
      {"sharp s", "\xDF", "\xDF"},
      {"micro sign", "\xB5", "\xB5"},
      {"division sign", "\xF7", "\xF7"},
      {"mixed", "stra\xDF" "e \xB5m \xFF", "STRA\xDF" "E \xB5M \x9F"},
  };
  for (const auto& c : cases) EXPECT_EQ(UpperCase1252(c.in), c.want) << c.what;
}

// Every byte against Unicode's simple upper case: where that capital exists in
// Windows-1252 the byte becomes it, otherwise the byte stays.
TEST(UpperCase1252, AgreesWithUnicodeForEveryByte) {
  for (int b = 0; b < 256; ++b) {
    const std::string in(1, static_cast<char>(b));
    const QString upper = QString(QStringFromCp1252(in).at(0).toUpper());
    std::string want = Cp1252FromQString(upper);
    if (want.size() != 1 || (want == "?" && b != '?')) want = in;
    EXPECT_EQ(UpperCase1252(in), want) << "byte " << b;
  }
}

TEST(InputEdited, UpperCasesOnlyAnUpperCaseEntry) {
  const struct {
    bool upperCase;
    std::string typed, kept;
  } cases[] = {
      {true, "abre a porta", "ABRE A PORTA"},
      {true, "p\xE3o \xDF", "P\xC3O \xDF"},
      {false, "abre a porta", "abre a porta"},
      {false, "p\xE3o", "p\xE3o"},
      {true, "", ""},
  };
  for (const auto& c : cases) {
    NullPlatform platform;
    TForm1 f(platform);
    f.Input.upperCase = c.upperCase;
    f.Input.text = "antes";
    InputEdited(f, c.typed);
    EXPECT_EQ(f.Input.text, c.kept) << c.typed << " upperCase " << c.upperCase;
  }
}

TEST(InputEdited, TheFormsInputLineIsAnUpperCaseEntry) {
  NullPlatform platform;
  TForm1 f(platform);
  InputEdited(f, "norte");
  EXPECT_EQ(f.Input.text, "NORTE");
}

}  // namespace
}  // namespace lumora
