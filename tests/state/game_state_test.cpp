// The saved game's files: loading, padding, writing back only what was loaded.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "state/state_files.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(GameState, RegistersHoldCountPlusOneEntries) {
  GameState st;
  st.registerCount = 10;
  ResetRegisters(st);
  EXPECT_EQ(st.registers, StringList(11));
  st.registers = {"a", "b"};
  PadRegisters(st);
  EXPECT_EQ(st.registers.size(), 11u);
  EXPECT_EQ(st.registers[1], "b");
  st.registers.assign(20, "x");
  PadRegisters(st);  // never shortens
  EXPECT_EQ(st.registers.size(), 20u);
}

TEST(GameState, LoadsTheThreeFilesAndNamesAMissingOne) {
  testing::TempGame game;
  game.WriteRegisters({"r0", "r1"});
  game.WriteLines("aventura.obz", {"chave", "lamp"});
  game.WriteLines("aventura.obx", {"lamp", "nom"});
  GameState st;
  st.registerCount = 10;
  LoadGameState(st, game.folder(), game.folder(), "aventura");
  EXPECT_EQ(st.registers.size(), 2u);  // as the file has them: the loader pads to its own count
  EXPECT_EQ(st.registers[0], "r0");
  EXPECT_EQ(st.objs, (StringList{"chave", "lamp"}));
  EXPECT_EQ(st.objectTable, (StringList{"lamp", "nom"}));
  EXPECT_TRUE(st.registersLoaded && st.objsLoaded && st.objectTableLoaded);

  for (const char* missing : {"aventura.rgs", "aventura.obz", "aventura.obx"}) {
    testing::TempGame g;
    g.Remove(missing);
    GameState fresh;
    try {
      LoadGameState(fresh, g.folder(), g.folder(), "aventura");
      ADD_FAILURE() << missing << ": no error";
    } catch (const ScriptError& e) {
      EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
  }
}

TEST(GameState, SavesOnlyListsThatWereLoaded) {
  testing::TempGame game;
  game.WriteRegisters({"salvo"});
  GameState st;
  st.registers = {"vazio"};
  st.objectTable = {"x"};
  SaveRegistersAndObjects(st, game.folder(), "aventura");
  SaveGameTogether(st, game.folder(), "aventura");
  EXPECT_EQ(game.Read("aventura.rgs"), "salvo\r\n");
  EXPECT_EQ(game.Read("aventura.obx"), "");
  EXPECT_EQ(game.Read("aventura.obz"), "");

  st.registersLoaded = st.objectTableLoaded = st.objsLoaded = true;
  st.objs = {"k"};
  SaveRegistersAndObjects(st, game.folder(), "aventura");
  EXPECT_EQ(game.Read("aventura.rgs"), "vazio\r\n");
  EXPECT_EQ(game.Read("aventura.obx"), "x\r\n");
  EXPECT_EQ(game.Read("aventura.obz"), "");  // keys are saved on their own
  SaveGameTogether(st, game.folder(), "aventura");
  EXPECT_EQ(game.Read("aventura.obz"), "k\r\n");
  EXPECT_THROW(SaveRegistersAndObjects(st, game.folder() + "nao/", "aventura"), ScriptError);
}

}  // namespace
}  // namespace lumora
