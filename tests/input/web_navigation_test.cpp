// Following links in the web view: the reported address back to the link's text.
#include <gtest/gtest.h>

#include "input/web_navigation.h"
#include "script/run_script.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(AddressFromBrowser, PercentEncodedUtf8BecomesTheLinkText) {
  const std::pair<const char*, const char*> cases[] = {
      {"file:///jogos/Scp=sala", "file:///jogos/Scp=sala"},
      {"file:///meu%20jogo/Scp=cora%C3%A7%C3%A3o", "file:///meu jogo/Scp=cora\xE7\xE3o"},
      {"file:///j/Scp=sala&Prm=porta%20azul", "file:///j/Scp=sala&Prm=porta azul"},
      {"file:///j/Scp=a%2", "file:///j/Scp=a%2"},   // a broken escape stays as it is
      {"file:///j/Scp=%E2%82%AC", "file:///j/Scp=\x80"},  // the euro sign
  };
  for (const auto& [reported, want] : cases) EXPECT_EQ(AddressFromBrowser(reported), want) << reported;
}

class NavigationTest : public ::testing::Test {
 protected:
  testing::TempGame game{"aventura"};
};

TEST_F(NavigationTest, OnlyScriptLinksRunAScript) {
  game.WriteScript("abre", {"param= 1,prm"});
  testing::Session s{game};
  WebBNavigateComplete2(s.f, "file:///x/tmp.htm");
  WebBNavigateComplete2(s.f, "file:///x/Scp=abre.htm");
  EXPECT_TRUE(s.TraceStartingWith("Executando").empty());
  WebBNavigateComplete2(s.f, "file:///x/Scp=abre&Prm=porta");
  EXPECT_EQ(s.f.state.registers[1], "porta");
  EXPECT_EQ(s.f.Script, "abre");
  // A page's link climbing out of the game folder runs nothing at all.
  WebBNavigateComplete2(s.f, "file:///x/Scp=../abre&Prm=fora");
  EXPECT_EQ(s.f.state.registers[1], "porta");
  EXPECT_EQ(s.TraceStartingWith("Script ../abre.scp <--- fora da pasta do jogo").size(), 1u);
}

}  // namespace
}  // namespace lumora
