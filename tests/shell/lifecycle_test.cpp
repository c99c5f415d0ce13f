// Creation, the game loader, the opening screen and shutdown.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "form/config.h"
#include "script/run_script.h"
#include "shell/lifecycle.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(FormCreate, ReadsTheConfiguredNamesAndRegisterCount) {
  testing::TempGame game;
  game.SetConfig(kScriptLine, "cozinha");
  game.SetConfig(kRetScpLine, "volta");
  testing::Session s{game, false};
  EXPECT_TRUE(s.platform.errors.empty());
  EXPECT_EQ(s.f.state.registerCount, 10);
  EXPECT_EQ(s.f.state.registers.size(), 11u);
  EXPECT_EQ(s.f.Script, "cozinha");
  EXPECT_EQ(s.f.RetScp, "volta");
  EXPECT_EQ(s.f.Posic, "sala");
  EXPECT_EQ(s.f.Abok0.pageIndex, 2);  // the opening screen
  EXPECT_EQ(s.f.Modelo, "1");
  EXPECT_EQ(s.f.Abok1.ActivePage(), "1");
}

TEST(FormCreate, ABadConfigurationIsReportedAndTheProgramGoesOn) {
  const struct {
    const char* what;
    int lines;          // 0: no file at all
    const char* line5;  // register count
    const char* message;
  } cases[] = {
      {"missing", 0, "10", "aventura.ini"},
      {"50 lines", 50, "10", "50"},
      {"bad count", 98, "dez", "'dez'"},
  };
  for (const auto& c : cases) {
    testing::TempGame game;
    game.config.resize(static_cast<size_t>(c.lines));
    if (c.lines > 5) game.config[kRegisterCount] = c.line5;
    game.WriteConfig();
    if (c.lines == 0) game.Remove("aventura.ini");
    testing::Session s{game, false};
    ASSERT_EQ(s.platform.errors.size(), 1u) << c.what;
    EXPECT_TRUE(Has(s.platform.errors[0], "aventura.ini")) << s.platform.errors[0];
    EXPECT_TRUE(Has(s.platform.errors[0], c.message)) << s.platform.errors[0];
    // The defaults stand and the lists exist.
    EXPECT_EQ(s.f.state.registerCount, 250) << c.what;
    EXPECT_EQ(s.f.state.registers.size(), 251u) << c.what;
    EXPECT_EQ(s.f.Script, "start") << c.what;
    EXPECT_EQ(s.f.Abok0.pageIndex, 2) << c.what;
  }
}

TEST(GameLoader, AppliesTheConfiguration) {
  testing::TempGame game;
  game.SetConfig(kDisplayModel, "3");
  game.SetConfig(kInputVisible, "");
  game.SetConfig(kPanelVisible, " *");
  game.SetConfig(kDisplayLeft, "40");
  game.SetConfig(kModel3Width, "500");
  game.SetConfig(kModel2Width, "580");
  testing::Session s{game};
  EXPECT_EQ(s.f.gameFolder, game.folder());
  EXPECT_EQ(s.f.gameFolderUrl, "file://" + game.folder());
  EXPECT_EQ(s.f.Abok0.pageIndex, 0);
  EXPECT_EQ(s.f.Modelo, "3");
  EXPECT_EQ(s.f.Abok1.left, 40);
  EXPECT_EQ(s.f.Abok1.color, 0x000000u);
  EXPECT_EQ(s.f.message.fontName, "Arial");
  EXPECT_EQ(s.f.message.text, "FFFFFF");
  EXPECT_EQ(s.f.Msg.font.color, 0xFFFFFFu);
  EXPECT_FALSE(s.f.Input.visible);
  EXPECT_FALSE(s.f.Abok2.visible);
  EXPECT_EQ(s.f.TelMod3.width, 500 - 21);
  EXPECT_EQ(s.f.WebB.width, 580 + 20);
  EXPECT_EQ(s.f.Tela.width, 596);
  EXPECT_EQ(s.f.Tela.height, 271);
  EXPECT_TRUE(s.f.loaderFinished);
}

TEST(GameLoader, MessageMemoIsVisibleOnlyForAStar) {
  const std::pair<const char*, bool> cases[] = {{"*", true}, {" *", false}, {"", false}, {"**", false}, {"x", false}};
  for (const auto& [line, visible] : cases) {
    testing::TempGame game;
    game.SetConfig(kMsgVisible, line);
    testing::Session s{game};
    EXPECT_EQ(s.f.Msg.visible, visible) << '"' << line << '"';
  }
}

TEST(GameLoader, PadsShortRegisterFilesAndRaisesForMissingStateFiles) {
  testing::TempGame game;
  game.WriteRegisters({"a", "b"});
  {
    testing::Session s{game};
    ASSERT_EQ(s.f.state.registers.size(), 11u);
    EXPECT_EQ(s.f.state.registers[0], "a");
    EXPECT_EQ(s.f.state.registers[1], "b");
    EXPECT_EQ(s.f.state.registers[10], "");
  }
  game.Remove("aventura.obx");
  testing::Session s{game, false};
  try {
    GameLoader(s.f, game.name());
    FAIL() << "no error";
  } catch (const ScriptError& e) {
    EXPECT_TRUE(Has(e.what(), "aventura.obx")) << e.what();
  }
  EXPECT_FALSE(s.f.loaderFinished);
}

TEST(Opening, ClickRunsStartOrEndsWhenThereIsNone) {
  testing::TempGame game;
  {
    testing::Session s{game, false};
    TelAberClick(s.f);
    EXPECT_TRUE(s.platform.exitRequested);
    EXPECT_GE(s.platform.clock, 200);
    EXPECT_TRUE(s.platform.errors.empty());
  }
  game.WriteScript("start", {"/ start"});
  testing::Session s{game, false};
  TelAberClick(s.f);
  EXPECT_FALSE(s.platform.exitRequested);
  EXPECT_EQ(s.f.Script, "start");
  EXPECT_EQ(s.f.Abok0.pageIndex, 0);
  EXPECT_EQ(s.TraceStartingWith("   0: / start").size(), 1u);
}

TEST(Opening, DoubleClickResumesWithThePositionScript) {
  const std::pair<const char*, const char*> cases[] = {{"sala", "sala"}, {"", "start"}};
  for (const auto& [posic, script] : cases) {
    testing::TempGame game;
    game.SetConfig(kPosicLine, posic);
    game.WriteScript(script, {"/ aqui"});
    testing::Session s{game, false};
    TelAberDblClick(s.f);
    EXPECT_EQ(s.f.Script, script);
    EXPECT_EQ(s.TraceStartingWith("   0: / aqui").size(), 1u) << posic;
  }
}

TEST(FormDestroy, WritesRunningValuesAndStateWithCrLf) {
  testing::TempGame game;
  game.WriteLines("aventura.obx", {"lamp", "nom", "l\xE2mpada", "loc", "sala", "shp", "tag", ""});
  game.WriteLines("aventura.obz", {"lamp"});
  game.WriteScript("cozinha", {"param= 4,prm"});
  {
    testing::Session s{game};
    RunScript(s.f, "cozinha&Prm=p");
    s.f.state.registerCount = 12;
    s.f.Abok0.width = 800;
    s.f.state.objs.push_back("mapa");
    FormDestroy(s.f);
    EXPECT_TRUE(s.platform.errors.empty());
  }
  const StringList ini = game.StateLines(".ini");
  ASSERT_EQ(ini.size(), 98u);
  EXPECT_EQ(ini[5], "12");
  EXPECT_EQ(ini[7], "cozinha");
  EXPECT_EQ(ini[11], "800");
  EXPECT_EQ(ini[4], "aventura");
  EXPECT_EQ(ini[35], "*");  // lines the program does not own stay
  EXPECT_EQ(game.Read("aventura.ini"), JoinLines(ini));
  StringList registers(11);
  registers[4] = "p";
  EXPECT_EQ(game.Read("aventura.rgs"), JoinLines(registers));
  EXPECT_EQ(game.Read("aventura.obz"), "lamp\r\nmapa\r\n");
  EXPECT_EQ(game.Read("aventura.obx"), "lamp\r\nnom\r\nl\xE2mpada\r\nloc\r\nsala\r\nshp\r\ntag\r\n\r\n");
}

TEST(FormDestroy, WritesNothingWhenTheGameWasNeverLoaded) {
  testing::TempGame game;
  game.WriteRegisters({"salvo", "jogo"});
  game.WriteLines("aventura.obz", {"lamp"});
  const std::string ini = game.Read("aventura.ini"), rgs = game.Read("aventura.rgs");
  {
    testing::Session s{game, false};
    s.f.Script = "outro";
    FormDestroy(s.f);
  }
  EXPECT_EQ(game.Read("aventura.ini"), ini);
  EXPECT_EQ(game.Read("aventura.rgs"), rgs);
  EXPECT_EQ(game.Read("aventura.obz"), "lamp\r\n");
}

// The author edits the configuration while the game plays: shutdown keeps the
// author's file and says so once; the saved game is written as always.
TEST(FormDestroy, KeepsAConfigurationTheAuthorChangedWhileTheGamePlayed) {
  testing::TempGame game;
  {
    testing::Session s{game};
    game.SetConfig(kMessageFontName, "Autor");
    s.f.Script = "outro";
    s.f.state.registers[3] = "salvo";
    FormDestroy(s.f);
    ASSERT_EQ(s.platform.errors.size(), 1u);
    EXPECT_NE(s.platform.errors[0].find("changed on disk"), std::string::npos) << s.platform.errors[0];
  }
  const StringList ini = game.StateLines(".ini");
  EXPECT_EQ(ini[kMessageFontName], "Autor");
  EXPECT_NE(ini[kScriptLine], "outro");
  EXPECT_EQ(game.StateLines(".rgs")[3], "salvo");
}

TEST(FormDestroy, AFailedLoaderLeavesTheConfigurationUntouched) {
  testing::TempGame game;
  game.SetConfig(kMessageFontSize, "grande");  // the loader stops at the message font size
  const std::string ini = game.Read("aventura.ini");
  {
    testing::Session s{game, false};
    EXPECT_THROW(GameLoader(s.f, game.name()), ScriptError);
    FormDestroy(s.f);
  }
  EXPECT_EQ(game.Read("aventura.ini"), ini);
}

}  // namespace
}  // namespace lumora
