// The exits, "cleardir", "telpos=", "linksoff" and "ifdir=".
#include <gtest/gtest.h>

#include "form/script_ref.h"
#include "script/run_script.h"
#include "support/temp_game.h"
#include "view/picture_test_files.h"

namespace lumora {
namespace {

class ExitCommandsTest : public ::testing::Test {
 protected:
  std::vector<int> ActiveSlots() const {
    std::vector<int> out;
    for (int i = 0; i < 100; ++i)
      if (s.f.links.records[static_cast<size_t>(i)].active) out.push_back(i);
    return out;
  }
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(ExitCommandsTest, EachExitCommandSetsItsExitAsWrittenAndCleardirEmptiesThemAll) {
  const struct {
    const char* keyword;
    std::string Exits::*exit;
  } cases[] = {{"norte=", &Exits::norte}, {"sul=", &Exits::sul},       {"leste=", &Exits::leste},
               {"oeste=", &Exits::oeste}, {"subir=", &Exits::subir},   {"descer=", &Exits::descer},
               {"entrar=", &Exits::entrar}, {"sair=", &Exits::sair}};
  for (const auto& c : cases) {
    // No file check and no resolution: "@pos" stays as written.
    EXPECT_EQ(s.Exec({std::string(c.keyword) + " @pos&Prm=x"}), std::string("   0: ") + c.keyword + " @pos&Prm=x");
    EXPECT_EQ(s.f.exits.*c.exit, "@pos&Prm=x") << c.keyword;
    s.Exec({std::string(c.keyword)});
    EXPECT_EQ(s.f.exits.*c.exit, "") << c.keyword;
    s.Exec({std::string(c.keyword) + " sala2"});
  }
  s.Exec({"cleardir"});
  for (const auto& c : cases) EXPECT_EQ(s.f.exits.*c.exit, "") << c.keyword;
}

TEST_F(ExitCommandsTest, ExitsSurviveScriptRunsAndResolveAsSymbolicNames) {
  s.Run({"norte= corredor"});
  s.Run({"msg= nada"});
  EXPECT_EQ(s.f.exits.norte, "corredor");
  EXPECT_EQ(ResolveName("@norte", s.f.exits, s.f.Specials()), "corredor");
  EXPECT_EQ(ResolveName("@sul", s.f.exits, s.f.Specials()), "@sul");
  s.Run({"cleardir"});
  EXPECT_EQ(ResolveName("@norte", s.f.exits, s.f.Specials()), "@norte");
}

TEST_F(ExitCommandsTest, IfDirMakesAPanelAreaThroughAnExistingExitOnly) {
  s.Exec({"norte= corredor"});
  EXPECT_EQ(s.Exec({"ifdir= norte,Norte,5,5"}), "Exec: lnkfnc= ");
  ASSERT_EQ(ActiveSlots(), std::vector<int>{20});
  EXPECT_EQ(s.f.links.records[20].script, "corredor");
  EXPECT_EQ(s.f.links.records[20].picture, "Norte");
  EXPECT_EQ(s.f.links.records[20].cursor, 1);
  for (const char* word : {"sul", "nordeste", ""}) {
    EXPECT_EQ(s.Exec({std::string("ifdir= ") + word + ",seta.gif,5,5"}),
              "seta.gif <--- n\xE3o existe movimento nesta dire\xE7\xE3o");
  }
  EXPECT_EQ(ActiveSlots(), std::vector<int>{20});
}

TEST_F(ExitCommandsTest, GetDirReadsTheSameDirectionWords) {
  s.Exec({"entrar= porao"});
  s.Exec({"getdir 3,entrar"});
  EXPECT_EQ(s.f.state.registers[3], "porao");
  EXPECT_EQ(s.Exec({"getdir 3,dentro"}), "   0: getdir 3,dentro <--- dire\xE7\xE3o desconhecida");
}

TEST_F(ExitCommandsTest, TelPosChecksThePictureAndTheScriptBeforeItChangesAnything) {
  ASSERT_TRUE(testing::Save(testing::Plain(40, 30, 0xFF2040A0), game.folder() + "sala.png", "PNG"));
  game.WriteScript("porta", {"msg= porta"});
  EXPECT_EQ(s.Exec({"telpos= falta.png,porta"}), "   0: telpos= falta.png <--- arquivo n\xE3o existe");
  EXPECT_EQ(s.Exec({"telpos= sala.png,sumiu"}), "   0: telpos= sala.png,sumiu <--- script n\xE3o existe");
  EXPECT_EQ(s.f.pictureClickScript, "");
  s.Exec({"telpos= sala.png,porta"});
  EXPECT_EQ(s.f.pictureClickScript, "porta");
  EXPECT_EQ(s.f.Tela.cursor, Cursor::Link);
  EXPECT_EQ(s.f.screenBuffer.pixel(10, 10), 0xFF2040A0u);
  s.Exec({"telpos= sala.png"});
  EXPECT_EQ(s.f.pictureClickScript, "");
  EXPECT_EQ(s.f.Tela.cursor, Cursor::Default);
  // Every script run forgets it.
  s.Run({"telpos= sala.png,porta", "msg= x"});
  EXPECT_EQ(s.f.pictureClickScript, "porta");
  s.Run({"msg= y"});
  EXPECT_EQ(s.f.pictureClickScript, "");
}

TEST_F(ExitCommandsTest, TelPosInModel2WritesTheImageAtTheDisplayWidth) {
  ASSERT_TRUE(testing::Save(testing::Plain(40, 30, 0xFF2040A0), game.folder() + "sala.png", "PNG"));
  game.WriteScript("sala2", {"msg= x"});
  s.Run({"setmode= 2", "telpos= sala.png,sala2", "telpos= sala.png"});
  const StringList& page = s.f.page.lastWritten;
  const std::string img = "<img src=" + s.f.gameFolderUrl + "sala.png width=596px border=0>";
  EXPECT_NE(std::find(page.begin(), page.end(), "<a href=Scp=sala2>" + img + "</a>"), page.end());
  EXPECT_NE(std::find(page.begin(), page.end(), img), page.end());
}

TEST_F(ExitCommandsTest, LinksOffClearsOneGroupOrAllAndKeepsTheCounters) {
  s.Run({"lnktel= a,x,0,0", "lnkfnc= b,x,0,0", "lnkpan= c,x,0,0", "lnkpan= d,x,0,0"});
  ASSERT_EQ(ActiveSlots(), (std::vector<int>{0, 20, 40, 41}));
  s.Exec({"linksoff fnc"});
  EXPECT_EQ(ActiveSlots(), (std::vector<int>{0, 40, 41}));
  s.Exec({"linksoff nada"});
  EXPECT_EQ(ActiveSlots(), (std::vector<int>{0, 40, 41}));
  s.Exec({"linksoff pan"});
  EXPECT_EQ(ActiveSlots(), std::vector<int>{0});
  s.Exec({"lnkpan= e,x,0,0"});
  EXPECT_EQ(ActiveSlots(), (std::vector<int>{0, 42}));  // the counter went on
  s.Exec({"linksoff"});
  EXPECT_EQ(ActiveSlots(), std::vector<int>{});
}

}  // namespace
}  // namespace lumora
