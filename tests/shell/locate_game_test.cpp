// Finding the game from the command line: a .ini, a folder, argv[0] and its links.
#include "shell/locate_game.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>

#include "support/temp_game.h"

namespace lumora {
namespace {

struct Case {
  const char* what;
  std::vector<std::string> files;  // written into the temporary folder
  std::string game;                // GAME, relative to the folder ("." is the folder)
  std::string wantName;            // empty: an error is expected
  std::string wantError;           // the start of the error
};

TEST(LocateGame, FromTheGameArgument) {
  const Case cases[] = {
      {"an .ini names its game", {"aventura.ini"}, "aventura.ini", "aventura", ""},
      {"a folder with one game", {"aventura.ini", "desktop.ini"}, ".", "aventura", ""},
      {"a folder with no game", {"desktop.ini", "notas.txt"}, ".", "", "no game (.ini) in "},
      {"a folder with two games", {"a.ini", "b.ini"}, ".", "", "more than one game (.ini) in "},
      {"a missing path", {}, "nada.ini", "", "no such game: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempGame dir("vazio");
    dir.Remove("vazio.ini");
    for (const std::string& name : c.files) dir.WriteLines(name, {"x"});
    const std::string given = c.game == "." ? dir.folder() : dir.folder() + c.game;
    const GameLocation at = LocateGame(given, "/usr/bin/lumora");
    if (c.wantName.empty()) {
      EXPECT_EQ(at.error.rfind(c.wantError, 0), 0u) << at.error;
      EXPECT_TRUE(at.name.empty());
      continue;
    }
    EXPECT_EQ(at.error, "");
    EXPECT_EQ(at.name, c.wantName);
    EXPECT_EQ(QDir(QString::fromStdString(at.folder)), QDir(QString::fromStdString(dir.folder())));
    EXPECT_EQ(at.folder.back(), '/');
  }
}

TEST(LocateGame, WithoutAGameTheExecutableNamesItThroughItsLink) {
  testing::TempGame game;
  testing::TempGame elsewhere("outro");
  // The program lives elsewhere; a link named after the game sits in its folder.
  const std::string program = elsewhere.folder() + "lumora";
  elsewhere.WriteLines("lumora", {"#!"});
  const std::string link = game.folder() + "aventura";
  ASSERT_EQ(::symlink(program.c_str(), link.c_str()), 0);
  const GameLocation at = LocateGame("", link);
  EXPECT_EQ(at.error, "");
  EXPECT_EQ(at.name, "aventura");
  EXPECT_EQ(QDir(QString::fromStdString(at.folder)), QDir(QString::fromStdString(game.folder())));
  // The program beside no game of its name has none to play, and says how to
  // name one; beside one, it plays it.
  const GameLocation none = LocateGame("", program);
  EXPECT_TRUE(none.name.empty());
  EXPECT_NE(none.error.find("no lumora.ini beside " + elsewhere.folder()), std::string::npos) << none.error;
  for (const char* form : {"lumora path/to/game.ini", "its folder", "symbolic link"})
    EXPECT_NE(none.error.find(form), std::string::npos) << form;
  elsewhere.WriteLines("lumora.ini", {"x"});
  const GameLocation own = LocateGame("", program);
  EXPECT_EQ(own.error, "");
  EXPECT_EQ(own.name, "lumora");
  EXPECT_EQ(QDir(QString::fromStdString(own.folder)), QDir(QString::fromStdString(elsewhere.folder())));
}

}  // namespace
}  // namespace lumora
