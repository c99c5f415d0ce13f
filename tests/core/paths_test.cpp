// The path resolver.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/paths.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(ResolvePath, FindsFilesWhatEverTheirCase) {
  testing::TempGame game;
  game.WriteLines("Sala.scp", {"x"});
  std::filesystem::create_directories(game.folder() + "Fotos/Norte");
  game.WriteLines("Fotos/Norte/Porta.PNG", {"x"});

  EXPECT_EQ(ResolvePath(game.folder(), "sala.scp"), game.folder() + "Sala.scp");
  EXPECT_EQ(ResolvePath(game.folder(), "Sala.scp"), game.folder() + "Sala.scp");
  EXPECT_EQ(ResolvePath(game.folder(), "fotos\\norte\\porta.png"), game.folder() + "Fotos/Norte/Porta.PNG");
  EXPECT_TRUE(FileExists(game.folder(), "SALA.SCP"));
  EXPECT_FALSE(FileExists(game.folder(), "sala"));
  EXPECT_FALSE(FileExists(game.folder(), "fotos"));  // a folder is no file
  EXPECT_EQ(ResolvePath(game.folder(), "nada.scp"), game.folder() + "nada.scp");
}

TEST(ResolvePath, WindowsNamesFindTheirUtf8Files) {
  testing::TempGame game;
  game.WriteLines("Cora\xE7\xE3o.scp", {"x"});  // stored as UTF-8 "Coração.scp"
  ASSERT_TRUE(std::filesystem::exists(game.folder() + "Cora\xC3\xA7\xC3\xA3o.scp"));
  EXPECT_EQ(ResolvePath(game.folder(), "Cora\xE7\xE3o.scp"), game.folder() + "Cora\xC3\xA7\xC3\xA3o.scp");
  EXPECT_TRUE(FileExists(game.folder(), "CORA\xC7\xC3O.scp"));  // upper-case accented letters too
}

TEST(ResolvePath, FolderAndFileNameParts) {
  EXPECT_EQ(FolderOf("/a/b/c.scp"), "/a/b/");
  EXPECT_EQ(FileNameOf("/a/b/c.scp"), "c.scp");
  EXPECT_EQ(FolderOf("c.scp"), "");
  EXPECT_EQ(FileNameOf("c.scp"), "c.scp");
}

TEST(StateReadFolder, ThePlayersCopyFirstThenTheGamesOriginal) {
  testing::TempGame game, own("copia");
  game.WriteLines("mapa.bmp", {"original"});
  own.WriteLines("mapa.bmp", {"copia"});
  std::filesystem::create_directories(own.folder() + "Mapas");
  own.WriteLines("Mapas/Norte.BMP", {"copia"});
  const std::string &g = game.folder(), &o = own.folder();
  const struct {
    const char* what;
    std::string stateFolder;
    const char* name;
    const std::string& want;
  } cases[] = {
      {"writable game, file there", g, "mapa.bmp", g},
      {"writable game, no file", g, "nada.bmp", g},
      {"state folder not chosen", "", "mapa.bmp", g},
      {"player's copy present", o, "mapa.bmp", o},
      {"player's copy in another case", o, "MAPA.BMP", o},
      {"player's copy in a subfolder", o, "mapas\\norte.bmp", o},
      {"no copy: the original", o, "aventura.rgs", g},
      {"neither: the game folder", o, "nada.bmp", g},
  };
  for (const auto& c : cases) EXPECT_EQ(StateReadFolder(g, c.stateFolder, c.name), c.want) << c.what;
}

TEST(InsideFolder, RefusesNamesThatLeaveTheFolder) {
  const struct {
    const char* name;
    bool inside;
  } cases[] = {
      {"mapa.bmp", true},         {"mapas/mapa.bmp", true},   {"mapas\\mapa.bmp", true},
      {"..mapa.bmp", true},       {"a..b/mapa.bmp", true},    {"", false},
      {"../mapa.bmp", false},     {"..\\mapa.bmp", false},    {"a/../../mapa.bmp", false},
      {"a\\..\\..\\mapa.bmp", false}, {"/etc/passwd", false},    {"\\servidor\\x", false},
      {"C:mapa.bmp", false},      {"c:\\mapa.bmp", false},    {"..", false},
  };
  for (const auto& c : cases) EXPECT_EQ(InsideFolder(c.name), c.inside) << c.name;
}

// A game may ship folder links: the folder a name really lands in decides.
TEST(ReallyInsideFolder, FollowsFolderLinksTheGameShips) {
  testing::TempGame game, outside;
  std::filesystem::create_directory(game.folder() + "dentro");
  game.Link("sub", outside.folder());
  game.Link("atalho", game.folder() + "dentro");
  game.Link("fim.bmp", outside.folder() + "alvo.bmp");
  outside.WriteLines("mapa.bmp", {"x"});  // found through "SUB" by the case-insensitive look-up
  const struct {
    const char* name;
    bool inside;
  } cases[] = {
      {"mapa.bmp", true},          {"dentro/mapa.bmp", true},   {"atalho/mapa.bmp", true},
      {"nova/pasta/mapa.bmp", true}, {"fim.bmp", true},         // the link itself is replaced, not followed
      {"sub/mapa.bmp", false},     {"sub\\mapa.bmp", false},    {"SUB/mapa.bmp", false},
      {"sub/nova/mapa.bmp", false}, {"atalho/../sub/x", false}, {"../mapa.bmp", false},
      {"/etc/passwd", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ReallyInsideFolder(game.folder(), c.name), c.inside) << c.name;
  // A game folder reached through a link of its own is still itself.
  testing::TempGame elsewhere;
  elsewhere.Link("jogo", game.folder());
  EXPECT_TRUE(ReallyInsideFolder(elsewhere.folder() + "jogo/", "dentro/mapa.bmp"));
  EXPECT_FALSE(ReallyInsideFolder(elsewhere.folder() + "jogo/", "sub/mapa.bmp"));
}

// What a page in the web view reads: the file itself, links followed to the
// end, lies in the game's folder, or nothing is read.
TEST(ReallyReadsInsideFolder, FollowsEveryLinkTheLastOneIncluded) {
  testing::TempGame game, outside;
  std::filesystem::create_directory(game.folder() + "dentro");
  game.WriteLines("sala.png", {"x"});
  game.WriteLines("dentro/porta.png", {"x"});
  outside.WriteLines("segredo.txt", {"x"});
  game.Link("sub", outside.folder());
  game.Link("atalho", game.folder() + "dentro");
  game.Link("fora.png", outside.folder() + "segredo.txt");
  game.Link("sala2.png", game.folder() + "sala.png");
  const std::string& g = game.folder();
  const struct {
    std::string path;
    bool inside;
  } cases[] = {
      {g + "sala.png", true},          {g + "dentro/porta.png", true}, {g + "atalho/porta.png", true},
      {g + "sala2.png", true},         {g + "dentro", true},           {g, true},
      {g + "fora.png", false},         // a link to a file elsewhere
      {g + "sub/segredo.txt", false},  {g + "dentro/../sub/segredo.txt", false},
      {g + "dentro/../../x", false},   {g + "nada.png", false},        // a missing file reads nothing
      {"/etc/hostname", false},        {"sala.png", false},            // only absolute paths
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ReallyReadsInsideFolder(g, c.path), c.inside) << c.path;
  EXPECT_FALSE(ReallyReadsInsideFolder("", g + "sala.png"));  // no folder, nothing inside it
  // A game folder reached through a link of its own is still itself.
  testing::TempGame elsewhere;
  elsewhere.Link("jogo", g);
  EXPECT_TRUE(ReallyReadsInsideFolder(elsewhere.folder() + "jogo/", g + "sala.png"));
  EXPECT_TRUE(ReallyReadsInsideFolder(g, elsewhere.folder() + "jogo/dentro/porta.png"));
  EXPECT_FALSE(ReallyReadsInsideFolder(elsewhere.folder() + "jogo/", elsewhere.folder() + "jogo/fora.png"));
}

TEST(SameRealFile, TheSameFileThroughLinks) {
  testing::TempGame game;
  game.WriteLines("tmp.htm", {"x"});
  game.WriteLines("outro.htm", {"x"});
  game.Link("pagina.htm", game.folder() + "tmp.htm");
  const std::string& g = game.folder();
  EXPECT_TRUE(SameRealFile(g + "tmp.htm", g + "tmp.htm"));
  EXPECT_TRUE(SameRealFile(g + "tmp.htm", g + "pagina.htm"));
  EXPECT_TRUE(SameRealFile(g + "tmp.htm", g + "./tmp.htm"));
  EXPECT_FALSE(SameRealFile(g + "tmp.htm", g + "outro.htm"));
  EXPECT_FALSE(SameRealFile(g + "tmp.htm", g + "nada.htm"));
  EXPECT_FALSE(SameRealFile(g + "nada.htm", g + "nada.htm"));  // nothing to read
  EXPECT_FALSE(SameRealFile("", g + "tmp.htm"));
}

}  // namespace
}  // namespace lumora
