// The saved game's files: loading, padding, writing back only what was loaded.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/script_error.h"
#include "core/strings.h"
#include "platform/null_platform.h"
#include "script/run_script.h"
#include "shell/lifecycle.h"
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
      EXPECT_FALSE(LoadGameState(fresh, g.folder(), g.folder(), "aventura"));
      ADD_FAILURE() << missing << ": no error";
    } catch (const ScriptError& e) {
      EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
  }
}

// A game shipped without any state file starts new: the registers padded to
// the configured count, no objects, a trace line; the first run's save makes
// the three files, and the game loads from them after.
TEST(GameState, AGameWithoutStateFilesStartsNewAndItsFirstSaveMakesThem) {
  testing::TempGame game;
  for (const char* file : {"aventura.rgs", "aventura.obz", "aventura.obx"}) game.Remove(file);
  game.WriteScript("start", {"reg= 3,primeiro"});
  {
    testing::Session s{game};
    EXPECT_EQ(s.f.state.registers, StringList(11));
    EXPECT_TRUE(s.f.state.objs.empty() && s.f.state.objectTable.empty());
    EXPECT_EQ(s.TraceStartingWith("Jogo novo: sem aventura.rgs").size(), 1u);
    RunScript(s.f, "start");
    FormDestroy(s.f);
  }
  // All three written (a missing one would be an error here).
  GameState again;
  EXPECT_FALSE(LoadGameState(again, game.folder(), game.folder(), "aventura"));
  EXPECT_EQ(again.registers.at(3), "primeiro");
}

TEST(GameState, SavesOnlyListsThatWereLoaded) {
  testing::TempGame game;
  game.WriteRegisters({"salvo"});
  GameState st;
  st.registers = {"vazio"};
  st.objectTable = {"x"};
  StateWriter writer;
  SaveRegistersAndObjects(writer, st, game.folder(), "aventura");
  SaveGameTogether(writer, st, game.folder(), "aventura");
  writer.Flush();
  EXPECT_EQ(game.Read("aventura.rgs"), "salvo\r\n");
  EXPECT_EQ(game.Read("aventura.obx"), "");
  EXPECT_EQ(game.Read("aventura.obz"), "");

  st.registersLoaded = st.objectTableLoaded = st.objsLoaded = true;
  st.objs = {"k"};
  SaveRegistersAndObjects(writer, st, game.folder(), "aventura");
  writer.Flush();
  EXPECT_EQ(game.Read("aventura.rgs"), "vazio\r\n");
  EXPECT_EQ(game.Read("aventura.obx"), "x\r\n");
  EXPECT_EQ(game.Read("aventura.obz"), "");  // keys are saved on their own
  SaveGameTogether(writer, st, game.folder(), "aventura");
  writer.Flush();
  EXPECT_EQ(game.Read("aventura.obz"), "k\r\n");
}

// The writer: saves land in the order handed over, each taken when handed
// over (the game's lists change meanwhile); a failure is told once, however
// often the same file fails, and again after a save has succeeded; pictures
// and removals keep their turn.
TEST(StateWriter, WritesInOrderWhatWasHandedOverAndTellsAFailureOnce) {
  testing::TempGame game;
  GameState st;
  st.registersLoaded = st.objectTableLoaded = true;
  StateWriter writer;
  for (int i = 0; i < 50; ++i) {
    st.registers = {IntToStr(i)};
    st.objectTable = {IntToStr(i)};
    SaveRegistersAndObjects(writer, st, game.folder(), "aventura");
    if (i % 7 == 0) SaveRegisters(writer, st, game.folder(), "aventura");
  }
  st.registers = {"depois"};  // after the last save: not saved
  writer.Flush();
  EXPECT_EQ(game.Read("aventura.rgs"), "49\r\n");
  EXPECT_EQ(game.Read("aventura.obx"), "49\r\n");
  EXPECT_FALSE(writer.TakeFailure());

  const std::string missing = game.folder() + "nao/";
  NullPlatform platform;
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 3; ++i) SaveRegistersAndObjects(writer, st, missing, "aventura");
    writer.Flush();
    ReportSaveFailure(writer, platform);
    ReportSaveFailure(writer, platform);
    ASSERT_EQ(platform.errors.size(), static_cast<size_t>(round + 1)) << round;
    EXPECT_NE(platform.errors.back().find("Cannot create file"), std::string::npos) << platform.errors.back();
    EXPECT_NE(platform.errors.back().find("nao/aventura.rgs"), std::string::npos) << platform.errors.back();
    SaveRegisters(writer, st, game.folder(), "aventura");  // a success: the next failure is told again
  }
  writer.Flush();
  EXPECT_EQ(game.Read("aventura.rgs"), "depois\r\n");

  // A picture on its way to the disk is read from the writer; a removal is
  // done in its turn, after the write handed over before it.
  const std::string map = game.folder() + "mapa.bmp";
  std::string bytes;
  bool removed = true;
  EXPECT_FALSE(writer.Pending(map, bytes, removed));
  writer.WriteBytes(map, "BM1");
  writer.WriteBytes(map, "BM2");
  if (writer.Pending(map, bytes, removed)) {
    EXPECT_EQ(bytes, "BM2");
  }
  EXPECT_FALSE(removed);
  writer.Remove(map);
  if (writer.Pending(map, bytes, removed)) {
    EXPECT_TRUE(removed);
  }
  writer.Flush();
  EXPECT_FALSE(game.Exists("mapa.bmp"));
  EXPECT_FALSE(writer.Pending(map, bytes, removed));
  writer.WriteBytes(map, "BM3");
  writer.Flush();
  EXPECT_EQ(game.Read("mapa.bmp"), "BM3");

  // A file's removal never takes a folder with it (a map named "x/" by a
  // script); a folder's removal (a save slot) takes all it holds.
  std::filesystem::create_directories(game.folder() + "slot");
  game.WriteLines("slot/um.rgs", {"r0"});
  writer.Remove(game.folder() + "slot/");
  writer.Flush();
  EXPECT_TRUE(game.Exists("slot/um.rgs"));
  writer.RemoveFolder(game.folder() + "slot/");
  writer.Flush();
  EXPECT_FALSE(game.Exists("slot"));
}

}  // namespace
}  // namespace lumora
