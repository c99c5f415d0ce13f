// The saved files written by "saveregs", "saveobjs" and "reset", byte for byte;
// line breaks inside values; rebuilding object records from the object files.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "state/state_files.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

StringList ObjectFile(const std::string& key, const std::string& loc) {
  return {key, "nome " + key, "desc " + key, loc, key + ".png", "", "", ""};
}

StringList Concat(std::initializer_list<StringList> parts) {
  StringList all;
  for (const StringList& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// A game with the keys chave, lanterna and mapa, their object files (mapa.obj has
// two lines more than a record) and a played table that differs from them.
class StateFilesTest : public ::testing::Test {
 protected:
  bool WriteFiles() {
    game.WriteLines("aventura.obz", {"mapa", "chave", "lanterna"});
    game.WriteLines("aventura.obx", played);
    game.WriteLines("chave.obj", ObjectFile("chave", "porao"));
    game.WriteLines("lanterna.obj", ObjectFile("lanterna", "sala"));
    StringList mapa = ObjectFile("mapa", "biblioteca");
    mapa.push_back("nota do autor");
    mapa.push_back("outra");
    game.WriteLines("mapa.obj", mapa);
    return true;
  }
  std::string Obx() { return game.Read("aventura.obx"); }

  const StringList played = Concat({ObjectFile("chave", "jog"), ObjectFile("lanterna", "jog"), ObjectFile("mapa", "jog")});
  testing::TempGame game;
  bool written = WriteFiles();  // before the session loads the game
  testing::Session s{game};
};

TEST_F(StateFilesTest, SaveRegsAndSaveObjsWriteTheirFileOnly) {
  s.f.state.registers[0] = "um";
  s.f.state.registers[3] = "3";
  s.f.state.objectTable[3] = "sala";
  EXPECT_EQ(s.Exec({"saveregs"}), "   0: saveregs ");
  EXPECT_EQ(game.Read("aventura.rgs"), "um\r\n\r\n\r\n3\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(Obx(), JoinLines(played));
  EXPECT_EQ(s.Exec({"saveobjs"}), "   0: saveobjs ");
  StringList want = played;
  want[3] = "sala";
  EXPECT_EQ(Obx(), JoinLines(want));
  EXPECT_EQ(game.StateLines(".obz"), (StringList{"mapa", "chave", "lanterna"}));  // keys are saved at shutdown only
}

TEST_F(StateFilesTest, LineBreaksInsideValuesAreStoredAsTheTextCode) {
  const struct {
    const char* value;
    const char* stored;
  } cases[] = {
      {"um\r\ndois", "um\xA7" "dois"},
      {"um\rdois", "um\xA7" "dois"},
      {"um\ndois", "um\xA7" "dois"},
      {"\n\r", "\xA7\xA7"},  // LF then CR: two breaks
      {"a\r\n\r\nb\r", "a\xA7\xA7" "b\xA7"},
      {"j\xE1 \xA7 tem", "j\xE1 \xA7 tem"},
  };
  for (const auto& c : cases) {
    s.f.state.registers.assign(11, "");
    s.f.state.registers[1] = c.value;
    s.f.state.objectTable = played;
    s.f.state.objectTable[9] = c.value;
    s.Exec({"saveregs"});
    s.Exec({"saveobjs"});
    EXPECT_EQ(game.Read("aventura.rgs"), std::string("\r\n") + c.stored + "\r\n" + JoinLines(StringList(9)));
    StringList want = played;
    want[9] = c.stored;
    EXPECT_EQ(Obx(), JoinLines(want));
    // Read back, the files have as many entries as the lists.
    GameState back;
    back.registerCount = 10;
    LoadGameState(back, game.folder(), game.folder(), "aventura");
    EXPECT_EQ(back.registers.size(), 11u);
    EXPECT_EQ(back.registers[1], c.stored);
    EXPECT_EQ(back.objectTable, want);
  }
  EXPECT_EQ(s.f.state.registers[1], "j\xE1 \xA7 tem");  // the lists in memory are not changed
}

TEST_F(StateFilesTest, ResetObjsRebuildsEveryRecordInKeyOrder) {
  // chave, lanterna, mapa: the list-box order the loader gave the keys
  const StringList rebuilt =
      Concat({ObjectFile("chave", "porao"), ObjectFile("lanterna", "sala"), ObjectFile("mapa", "biblioteca")});
  for (const char* line : {"reset objs", "reset objs,todos"}) {
    s.f.state.objectTable = {"velho"};
    EXPECT_EQ(s.Exec({line}), "   0: reset objs") << line;
    EXPECT_EQ(s.f.state.objectTable, rebuilt) << line;
    EXPECT_EQ(Obx(), JoinLines(rebuilt)) << line;
    game.WriteLines("aventura.obx", {});
  }
}

TEST_F(StateFilesTest, ResetObjsWithAKeyReplacesEachRecordOfThatKey) {
  s.Exec({"reset objs,lanterna"});
  StringList want = played;
  const StringList lanterna = ObjectFile("lanterna", "sala");
  std::copy(lanterna.begin(), lanterna.end(), want.begin() + 8);
  EXPECT_EQ(s.f.state.objectTable, want);
  EXPECT_EQ(Obx(), JoinLines(want));

  // A key held twice in the list has its record replaced at both positions.
  s.f.state.objs = {"chave", "lanterna", "chave"};
  s.f.state.objectTable = played;
  s.Exec({"reset objs,chave"});
  const StringList chave = ObjectFile("chave", "porao");
  EXPECT_EQ(s.f.state.objectTable, Concat({chave, ObjectFile("lanterna", "jog"), chave}));

  // A key that no position holds changes nothing, but the table is saved.
  game.WriteLines("outro.obj", ObjectFile("outro", "x"));
  s.f.state.objectTable = played;
  s.Exec({"reset objs,outro"});
  EXPECT_EQ(s.f.state.objectTable, played);
  EXPECT_EQ(Obx(), JoinLines(played));
}

TEST_F(StateFilesTest, AMissingOrShortObjectFileLeavesTheTableAndNamesTheFile) {
  game.WriteLines("lanterna.obj", {"lanterna", "so", "cinco", "linhas", "aqui"});
  game.Remove("chave.obj");
  const struct {
    const char* line;
    const char* file;
  } cases[] = {
      {"reset objs", "chave.obj"},
      {"reset objs,todos", "chave.obj"},
      {"reset objs,chave", "chave.obj"},
      {"reset objs,lanterna", "lanterna.obj"},
      {"reset objs,nada", "nada.obj"},
  };
  for (const auto& c : cases) {
    s.f.state.objectTable = played;
    game.WriteLines("aventura.obx", {"antes"});
    try {
      s.Exec({c.line});
      ADD_FAILURE() << c.line << ": no error";
    } catch (const ScriptError& e) {
      EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << c.line << ": " << e.what();
    }
    EXPECT_EQ(s.f.state.objectTable, played) << c.line;
    EXPECT_EQ(Obx(), "antes\r\n") << c.line;
  }
  // Only the last file is missing: the records read before it are not kept.
  game.WriteLines("chave.obj", ObjectFile("chave", "porao"));
  game.WriteLines("lanterna.obj", ObjectFile("lanterna", "sala"));
  game.Remove("mapa.obj");
  EXPECT_THROW(s.Exec({"reset objs"}), ScriptError);
  EXPECT_EQ(s.f.state.objectTable, played);
}

TEST_F(StateFilesTest, ATableTooShortForTheKeysPositionFailsBeforeAnyChange) {
  s.f.state.objs = {"chave", "lanterna", "chave"};
  s.f.state.objectTable = Concat({ObjectFile("chave", "jog"), ObjectFile("lanterna", "jog")});
  const StringList before = s.f.state.objectTable;
  EXPECT_THROW(s.Exec({"reset objs,chave"}), ScriptError);
  EXPECT_EQ(s.f.state.objectTable, before);
}

TEST_F(StateFilesTest, ResetRegsEmptiesAllButTheLastRegister) {
  for (size_t n = 0; n < 11; ++n) s.f.state.registers[n] = "v" + std::to_string(n);
  EXPECT_EQ(s.Exec({"reset regs"}), "   0: reset regs");
  StringList want(10);
  want.push_back("v10");
  EXPECT_EQ(s.f.state.registers, want);
  EXPECT_EQ(game.Read("aventura.rgs"), JoinLines(StringList(11)));  // saved by the run's end, not here
}

TEST_F(StateFilesTest, ResetMapaDeletesTheNamedFileOfTheGameFolder) {
  game.WriteLines("mapa.bmp", {"x"});
  game.WriteLines("nota.txt", {"x"});
  // A folder link the game ships, aimed at a folder of the player's.
  testing::TempGame outside;
  outside.WriteLines("mapa.bmp", {"do jogador"});
  game.Link("sub", outside.folder());
  const struct {
    const char* line;
    const char* trace;
  } kept[] = {
      {"reset mapa", "   0: reset mapa"},
      {"reset mapa,nada.bmp", "   0: reset mapa"},
      {"reset mapas,mapa.bmp", "   0: reset mapas"},
      {"reset Mapa,mapa.bmp", "   0: reset Mapa"},
      {"reset mapa,../mapa.bmp", "   0: reset mapa <--- fora da pasta do jogo"},
      {"reset mapa,sub\\..\\..\\mapa.bmp", "   0: reset mapa <--- fora da pasta do jogo"},
      {"reset mapa,sub/mapa.bmp", "   0: reset mapa <--- fora da pasta do jogo"},
      {"reset mapa,sub\\mapa.bmp", "   0: reset mapa <--- fora da pasta do jogo"},
      {"reset mapa,Sub/Mapa.bmp", "   0: reset mapa <--- fora da pasta do jogo"},
      {"reset", "   0: reset "},
  };
  const StringList regs = s.f.state.registers;
  const StringList table = s.f.state.objectTable;
  for (const auto& c : kept) {
    EXPECT_EQ(s.Exec({c.line}), c.trace) << c.line;
    EXPECT_TRUE(game.Exists("mapa.bmp")) << c.line;
  }
  EXPECT_EQ(s.f.state.registers, regs);
  EXPECT_EQ(s.f.state.objectTable, table);
  s.Exec({"reset mapa,mapa.bmp"});
  EXPECT_FALSE(game.Exists("mapa.bmp"));
  EXPECT_TRUE(game.Exists("nota.txt"));
  EXPECT_TRUE(outside.Exists("mapa.bmp"));
}

}  // namespace
}  // namespace lumora
