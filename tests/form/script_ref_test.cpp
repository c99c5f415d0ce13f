// Script references: splitting the link parameters, symbolic names, the game
// folder URL.
#include <gtest/gtest.h>

#include "form/exits.h"
#include "form/script_ref.h"

namespace lumora {
namespace {

TEST(SplitReference, NameAndLinkParameters) {
  const struct {
    const char* reference;
    const char *name, *prm, *prx, *pry;
  } cases[] = {
      {"sala&Prx=10&Prm=porta", "sala", "porta", "10", ""},
      {"x&Prm=a&Prm=b", "x", "a", "", ""},  // the first value counts
      {"sala&Pry=3&Prm=", "sala", "", "", "3"},
      {"&Prm=1", "", "1", "", ""},
      {"sala&prm=x&Prx=1", "sala", "", "1", ""},  // keys are case-sensitive
      {"sala&Outro=1&Pry=v w&Z", "sala", "", "", "v w"},
      {"sala&", "sala", "", "", ""},
      {"a&Prm=x=y", "a", "x=y", "", ""},
      {"sala", "sala", "", "", ""},
  };
  for (const auto& c : cases) {
    LinkParams p;
    EXPECT_EQ(SplitReference(c.reference, p), c.name) << c.reference;
    EXPECT_EQ(p.prm, c.prm) << c.reference;
    EXPECT_EQ(p.prx, c.prx) << c.reference;
    EXPECT_EQ(p.pry, c.pry) << c.reference;
  }
}

TEST(SplitReference, ParametersItDoesNotNameKeepTheirValues) {
  LinkParams p{"velho", "1", "2"};
  EXPECT_EQ(SplitReference("sala&Prx=9", p), "sala");
  EXPECT_EQ(p.prm, "velho");
  EXPECT_EQ(p.prx, "9");
  EXPECT_EQ(p.pry, "2");
}

TEST(ResolveName, SymbolicNamesStandForExitsAndSpecialScripts) {
  Exits exits;
  exits.norte = "n";
  exits.sul = "s";
  exits.leste = "@pos";  // not resolved again
  exits.oeste = "o";
  exits.subir = "up";
  exits.descer = "down";
  exits.entrar = "in";
  const std::string posic = "sala", objeto, retscp = "volta";
  const SpecialScripts specials{posic, objeto, retscp};
  const std::pair<const char*, const char*> cases[] = {
      {"@norte", "n"},    {"@sul", "s"},       {"@leste", "@pos"},   {"@oeste", "o"},
      {"@subir", "up"},   {"@descer", "down"}, {"@entrar", "in"},    {"@sair", "@sair"},  // empty exit
      {"@pos", "sala"},   {"@obj", "@obj"},    {"xvlt", "volta"},    {"@xvlt", "volta"},
      {"XVLT", "XVLT"},   {"@Norte", "@Norte"}, {"norte", "norte"},  {"@norte ", "@norte "},
      {"", ""},
  };
  for (const auto& [name, want] : cases) EXPECT_EQ(ResolveName(name, exits, specials), want) << name;
}

TEST(GameFolderUrl, EncodesBlanksAndBytesBeyondAscii) {
  const std::pair<const char*, const char*> cases[] = {
      {"/jogos/aventura/", "file:///jogos/aventura/"},
      {"/home/eu/Meu Jogo/", "file:///home/eu/Meu%20Jogo/"},
      {"/jogos/Cora\xC3\xA7\xC3\xA3o/", "file:///jogos/Cora%C3%A7%C3%A3o/"},
      {"/a-b_c.d~e/", "file:///a-b_c.d~e/"},
  };
  for (const auto& [folder, url] : cases) EXPECT_EQ(GameFolderUrl(folder), url) << folder;
}

}  // namespace
}  // namespace lumora
