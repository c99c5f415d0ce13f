// RunScript: loading, the missing script, link parameters, labels in the trace,
// the saved game at the end of a run, and nested runs.
#include <gtest/gtest.h>

#include <algorithm>

#include "form/config.h"
#include "core/paths.h"
#include "script/labels.h"
#include "script/run_script.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

class RunScriptTest : public ::testing::Test {
 protected:
  bool Traced(const std::string& line) const { return std::ranges::find(s.trace, line) != s.trace.end(); }
  long Count(const std::string& line) const { return std::ranges::count(s.trace, line); }

  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(RunScriptTest, LoadsTheScriptAndTracesItsLabels) {
  game.WriteScript("sala", {":inicio", "/ nada", ": fim", ":fim x"});
  RunScript(s.f, "sala");
  EXPECT_EQ(s.f.Script, "sala");
  const std::vector<std::string> want = {"Executando script: sala.scp", "Labels neste script...", ":inicio ", ""};
  ASSERT_GE(s.trace.size(), want.size());
  EXPECT_EQ(std::vector<std::string>(s.trace.begin(), s.trace.begin() + 4), want);
  EXPECT_TRUE(Traced("   1: / nada"));
}

TEST(LabelListing, ListsLabelsWithoutBlanks) {
  EXPECT_EQ(LabelListing({"msg= a", "/ :x"}), "Este script n\xE3o tem labels!");
  EXPECT_EQ(LabelListing({"  :inicio  ", ": fim", ":fim x", "\t:fim"}), ":inicio :fim ");
  EXPECT_EQ(LabelReferences({"a"}, ":zzz"), "N\xE3o encontrei refer\xEAncia a este label!");
}

TEST_F(RunScriptTest, TraceNumbersEveryLineUpToFourDigits) {
  StringList lines(10001, "/ c");
  game.WriteScript("longo", lines);
  RunScript(s.f, "longo");
  EXPECT_TRUE(Traced("   7: / c"));
  EXPECT_TRUE(Traced("9999: / c"));
  EXPECT_EQ(Count("0000: / c"), 1);  // line 10000
  EXPECT_EQ(Count("   0: / c"), 1);
}

TEST_F(RunScriptTest, AMissingScriptRunsTheLastLoadedOneAgain) {
  game.WriteScript("a", {"param= 1,prm", "/ a"});
  RunScript(s.f, "a&Prm=um");
  s.trace.clear();
  RunScript(s.f, "nada&Prm=dois");
  EXPECT_TRUE(Traced("N\xE3o encontrei o script: nada.scp"));
  EXPECT_EQ(Count("   0: param= 1,prm"), 1);
  EXPECT_EQ(Count("   1: / a"), 1);
  EXPECT_EQ(s.f.state.registers[1], "dois");
  EXPECT_EQ(s.f.Script, "nada");
}

// A page's link ("Scp=../x"), the walkthrough's "link" and an exit all come
// here: a script outside the game folder runs nothing, not even the last one.
TEST_F(RunScriptTest, AScriptOutsideTheGameFolderRunsNothing) {
  testing::TempGame outside;
  outside.WriteScript("fora", {"param= 1,prm", "param= 2,prm"});
  game.Link("sub", outside.folder());
  game.WriteScript("a", {"param= 3,prm", "param= 4,prm"});
  const std::string climbing = "../" + FileNameOf(outside.folder().substr(0, outside.folder().size() - 1)) + "/fora";
  for (const std::string& name : {climbing, std::string("sub/fora"), std::string("SUB\\fora"), outside.folder() + "fora"}) {
    const std::string reference = name + "&Prm=x";
    RunScript(s.f, "a&Prm=p");
    s.f.state.registers.assign(11, "");
    s.trace.clear();
    RunScript(s.f, reference);
    EXPECT_TRUE(Traced("Script " + name + ".scp <--- fora da pasta do jogo")) << reference;
    EXPECT_TRUE(s.TraceStartingWith("Executando").empty()) << reference;
    for (int n : {2, 4}) EXPECT_EQ(s.f.state.registers[static_cast<size_t>(n)], "") << reference << n;
  }
}

TEST_F(RunScriptTest, SymbolicNamesAndEmptyNamesAreLookedUpAsGiven) {
  game.WriteScript("corredor", {"/ corredor"});
  game.WriteScript("a", {"/ a"});
  RunScript(s.f, "a");
  const std::pair<const char*, const char*> cases[] = {
      {"@norte", "N\xE3o encontrei o script: @norte.scp"},
      {"&Prm=1", "N\xE3o encontrei o script: .scp"},
      {"XVLT", "N\xE3o encontrei o script: XVLT.scp"},
  };
  for (const auto& [reference, trace] : cases) {
    s.trace.clear();
    RunScript(s.f, reference);
    EXPECT_TRUE(Traced(trace)) << reference;
  }
  s.f.exits.norte = "corredor";
  s.trace.clear();
  RunScript(s.f, "@norte");
  EXPECT_EQ(s.f.Script, "corredor");
  EXPECT_TRUE(Traced("   0: / corredor"));
}

TEST_F(RunScriptTest, LinkParametersLastOneRun) {
  game.WriteScript("sala", {"param= 1,prm", "param= 2,prx", "param= 3,pry"});
  RunScript(s.f, "sala&Prm=porta&Pry=7");
  EXPECT_EQ(s.f.Script, "sala");
  EXPECT_EQ(s.f.state.registers[1], "porta");
  EXPECT_EQ(s.f.state.registers[2], "");
  EXPECT_EQ(s.f.state.registers[3], "7");
  RunScript(s.f, "sala");
  EXPECT_EQ(s.f.params.prm, "");
  EXPECT_EQ(s.f.state.registers[1], "");
  EXPECT_EQ(s.f.state.registers[3], "");
}

TEST_F(RunScriptTest, ForgetsAPendingSubroutineAndResetsTheRunState) {
  game.WriteScript("sala", {"/ x"});
  s.f.run.gosubLine = 5;
  s.f.run.gosubScript = "outro";
  s.f.pictureClickScript = "clique";
  s.f.Chuva.enabled = true;
  s.f.links.records[3].active = true;
  s.f.Abok0.pageIndex = 2;
  RunScript(s.f, "sala");
  EXPECT_EQ(s.f.run.gosubLine, -1);
  EXPECT_EQ(s.f.run.gosubScript, "");
  EXPECT_EQ(s.f.pictureClickScript, "");
  EXPECT_FALSE(s.f.Chuva.enabled);
  EXPECT_FALSE(s.f.links.records[3].active);
  EXPECT_EQ(s.f.Abok0.pageIndex, 0);
}

TEST_F(RunScriptTest, ALastLineThatIsALabelOrATextBlockRunsOnce) {
  game.WriteScript("sala", {"param= 1,prm", "'um", "dois'"});
  game.WriteScript("b", {"param= 1,prm", ":fim"});
  s.f.params = {};
  RunScript(s.f, "sala&Prm=x");
  EXPECT_EQ(s.f.Msg.text, "um dois");
  EXPECT_EQ(Count("   0: param= 1,prm"), 1);
  EXPECT_EQ(Count("   1: dois"), 1);
  RunScript(s.f, "b");
  EXPECT_EQ(Count("   1: :fim <-Refer\xEAncia na linha: 1 "), 1);
}

TEST_F(RunScriptTest, SavesRegistersAndObjectTableWithCrLfAtTheEnd) {
  game.WriteLines(game.name() + ".obx", {"lamp", "nom", "uma l\xE2mpada", "loc", "sala", "shp", "tag", ""});
  game.WriteLines(game.name() + ".obz", {"lamp"});
  testing::Session fresh{game};
  game.WriteScript("sala", {"param= 2,prm"});
  fresh.f.state.objs.push_back("novo");  // the object keys are not saved by a run
  RunScript(fresh.f, "sala&Prm=ok");
  StringList registers(11);
  registers[2] = "ok";
  EXPECT_EQ(game.Read(game.name() + ".rgs"), JoinLines(registers));
  EXPECT_EQ(game.Read(game.name() + ".obx"), JoinLines(fresh.f.state.objectTable));
  EXPECT_EQ(fresh.f.state.objectTable.size(), 8u);
  EXPECT_EQ(game.Read(game.name() + ".obz"), "lamp\r\n");
}

TEST_F(RunScriptTest, ANestedRunDuringTypingEndsTheOuterLoop) {
  game.SetConfig(kDisplayModel, "0");
  testing::Session m{game};
  ASSERT_EQ(m.f.Modelo, "0");
  game.WriteScript("fora", {"'ab'", "param= 1,prm", "param= 2,prm", "param= 4,prm"});
  game.WriteScript("dentro", {"param= 3,prm"});
  m.platform.OnceWhenPlayerActs([&] { RunScript(m.f, "dentro&Prm=clique"); });
  RunScript(m.f, "fora&Prm=fora");
  EXPECT_EQ(m.f.state.registers[3], "clique");
  EXPECT_EQ(m.f.state.registers[1], "");  // the outer script's lines never ran
  EXPECT_EQ(m.f.state.registers[2], "");
  EXPECT_EQ(m.f.state.registers[4], "");
  EXPECT_EQ(m.f.Script, "dentro");
  EXPECT_EQ(m.f.run.lines, StringList{"param= 3,prm"});
  EXPECT_NE(m.f.MsgMd0.text.find("ab"), std::string::npos);  // the typing completed
  EXPECT_EQ(game.StateLines(".rgs").at(3), "clique");
}

TEST_F(RunScriptTest, ANestedRunWithALongerScriptAlsoEndsTheOuterLoop) {
  game.SetConfig(kDisplayModel, "0");
  testing::Session m{game};
  game.WriteScript("fora", {"'ab'", "param= 1,prm"});
  game.WriteScript("dentro", {"/ 0", "/ 1", "/ 2", "/ 3", "param= 3,prm"});
  m.platform.OnceWhenPlayerActs([&] { RunScript(m.f, "dentro&Prm=clique"); });
  RunScript(m.f, "fora&Prm=fora");
  EXPECT_EQ(m.f.state.registers[3], "clique");
  EXPECT_EQ(m.f.state.registers[1], "");
  EXPECT_EQ(std::ranges::count(m.trace, std::string("   4: param= 3,prm")), 1);
}

}  // namespace
}  // namespace lumora
