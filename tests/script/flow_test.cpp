// Flow control: the end of a run, "script", pauses and nested runs, the special
// variables, "goto" into the same call, subroutines and the label index.
#include <gtest/gtest.h>

#include "core/stop_request.h"

#include <algorithm>

#include "command/label_index.h"
#include "script/run_script.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

class FlowTest : public ::testing::Test {
 protected:
  long Count(const std::string& line) const { return std::ranges::count(s.trace, line); }

  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(FlowTest, FimEndsTheRunAfterItsLine) {
  game.WriteScript("a", {"param= 1,prm", "fim", "param= 2,prm"});
  game.WriteScript("b", {"end", "param= 2,prm"});
  RunScript(s.f, "a&Prm=x");
  EXPECT_EQ(s.Reg(1), "x");
  EXPECT_EQ(s.Reg(2), "");
  EXPECT_EQ(Count("   1: fim <-Encerrou a execu\xE7\xE3o"), 1);
  EXPECT_EQ(Count(std::string(48, '=')), 1);
  RunScript(s.f, "b&Prm=y");  // as the first line
  EXPECT_EQ(s.Reg(2), "");
  EXPECT_EQ(game.StateLines(".rgs").at(1), "x");  // the run still finished and saved
}

TEST_F(FlowTest, ScriptContinuesAtLineOneOfTheOtherScript) {
  game.WriteScript("sala", {"param= 1,prm", "param= 2,prm", "param= 3,prx"});
  game.WriteScript("corredor", {"/ 0", "param= 4,pry"});
  const struct {
    const char* line;
    const char* trace;
    const char* script;  // the script running afterwards
  } cases[] = {
      {"script sala&Prm=porta", "   0: script sala", "sala"},
      {"script @norte", "   0: script corredor", "corredor"},
      {"script nada", "   0: script nada <- script n\xE3o existe", "a"},
      {"script", "   0: script  <--- n\xE3o informou o nome do script", "a"},
      {"script sub/fora", "   0: script sub/fora <--- fora da pasta do jogo", "a"},
      {"script ../fora", "   0: script ../fora <--- fora da pasta do jogo", "a"},
  };
  testing::TempGame outside;  // what a folder link the game ships leads to
  outside.WriteScript("fora", {"/ 0", "param= 4,pry"});
  game.Link("sub", outside.folder());
  for (const auto& c : cases) {
    game.WriteScript("a", {c.line, "param= 5,prx"});
    s.f.state.registers.assign(11, "");
    s.f.exits.norte = "corredor";
    s.trace.clear();
    RunScript(s.f, "a&Prx=x&Pry=y");
    EXPECT_EQ(s.f.Script, c.script) << c.line;
    EXPECT_EQ(Count(c.trace), 1) << c.line;
    const bool moved = std::string(c.script) != "a";
    EXPECT_EQ(s.Reg(5).empty(), moved) << c.line;  // the line after "script" runs only when it failed
  }
  // "sala&Prm=porta": its first line never ran, prm is set, prx kept.
  game.WriteScript("a", {"script sala&Prm=porta"});
  s.f.state.registers.assign(11, "");
  RunScript(s.f, "a&Prx=x");
  EXPECT_EQ(s.Reg(1), "");
  EXPECT_EQ(s.Reg(2), "porta");
  EXPECT_EQ(s.Reg(3), "x");
}

TEST_F(FlowTest, PausaWaitsTenthsOfASecondProcessingMessages) {
  const std::pair<const char*, int> cases[] = {
      {"pausa=", 1}, {"pausa= 30", 30}, {"pausa= x", 1}, {"pausa= 0", 0}, {"pausa= -4", 0}, {"pausa= $A", 10}};
  for (const auto& [line, tenths] : cases) {
    const int64_t start = s.platform.clock;
    const int processed = s.platform.processCount;
    s.Exec({line});
    EXPECT_EQ(s.platform.clock - start, tenths * 100) << line;
    EXPECT_EQ(s.platform.processCount - processed, tenths) << line;
  }
  EXPECT_EQ(s.Exec({"pausa= 2"}), "   0: pausa= 2");
}

TEST_F(FlowTest, AClickDuringAPauseRunsANestedScriptAndEndsTheOuterLoop) {
  game.WriteScript("fora", {"pausa= 3", "param= 1,prm", "param= 2,prm"});
  game.WriteScript("dentro", {"param= 3,prm"});
  s.platform.OnceWhenPlayerActs([&] { RunScript(s.f, "dentro&Prm=clique"); });
  RunScript(s.f, "fora&Prm=fora");
  EXPECT_EQ(s.Reg(3), "clique");
  EXPECT_EQ(s.Reg(1), "");  // the outer script's lines after the pause never ran
  EXPECT_EQ(s.Reg(2), "");
  EXPECT_EQ(s.f.Script, "dentro");
  EXPECT_EQ(s.platform.clock, 300);                  // the pause itself completed
  EXPECT_EQ(Count("   0: pausa= 3"), 1);             // its own trace line, not the inner one
  EXPECT_EQ(Count("   0: param= 3,prm"), 1);
  EXPECT_EQ(game.StateLines(".rgs").at(3), "clique");
}

TEST_F(FlowTest, ARequestToEndTheProgramEndsThePause) {
  game.WriteScript("a", {"pausa= 600", "param= 1,prm"});
  const std::string saved = game.Read("aventura.rgs");
  s.platform.OnceDuringProcessMessages([&] { s.f.exitRequested = true; });
  EXPECT_THROW(RunScript(s.f, "a&Prm=x"), RunStopped);
  EXPECT_EQ(s.platform.clock, 100);
  EXPECT_EQ(s.Reg(1), "");  // the run stops at the pause, without its finishing steps
  EXPECT_EQ(game.Read("aventura.rgs"), saved);
}

TEST_F(FlowTest, RetScpAndSetPosSetTheFieldEvenWithoutTheScript) {
  game.WriteScript("sala", {});
  EXPECT_EQ(s.Exec({"retscp= inexistente"}), "   0: retscp= inexistente <- n\xE3o existe este script");
  EXPECT_EQ(s.f.RetScp, "inexistente");
  EXPECT_EQ(s.Exec({"setpos= sala"}), "   0: setpos= sala");
  EXPECT_EQ(s.f.Posic, "sala");
  EXPECT_EQ(s.Exec({"setpos= @norte"}), "   0: setpos= @norte <- n\xE3o existe este script");
  EXPECT_EQ(s.f.Posic, "@norte");  // no symbolic names here
}

TEST_F(FlowTest, GetVarCopiesASpecialVariable) {
  s.f.Modelo = "2";
  s.f.Script = "sala";
  s.f.IniScp = "start";
  s.f.RetScp = "volta";
  s.f.Posic = "";
  s.f.Objeto = "lamp";
  const struct {
    const char* line;
    const char* want;  // register 7 afterwards
    const char* trace;
  } cases[] = {
      {"getvar= 7,Modelo", "2", "   0: getvar= 7,2"},
      {"getvar= 7,Script", "sala", "   0: getvar= 7,sala"},
      {"getvar= 7,IniScp", "start", "   0: getvar= 7,start"},
      {"getvar= 7,RetScp", "volta", "   0: getvar= 7,volta"},
      {"getvar= 7,Objeto", "lamp", "   0: getvar= 7,lamp"},
      {"getvar= 7,modelo", "antes", "   0: getvar= 7, <--- vari\xE1vel desconhecida"},
      {"getvar= 7,Posic", "antes", "   0: getvar= 7, <--- vari\xE1vel desconhecida"},  // empty
      {"getvar= 11,Modelo", "antes", "   0: getvar= 11 <--- registrador fora de faixa"},
  };
  for (const auto& c : cases) {
    s.f.state.registers[7] = "antes";
    EXPECT_EQ(s.Exec({c.line}), c.trace) << c.line;
    EXPECT_EQ(s.Reg(7), c.want) << c.line;
  }
}

TEST_F(FlowTest, GotoRunsTheLineAfterTheFirstExactLabelInTheSameCall) {
  const struct {
    StringList lines;
    int register_set;  // the one register the call set, 0 for none
    int index;         // the line index after the call
    const char* trace;
  } cases[] = {
      {{"goto fim", "param= 1,prm", ":fim", "param= 2,prm", "param= 3,prm"}, 2, 3, "   3: param= 2,prm"},
      {{"goto fim", ":fim2", ":fim x", "  :fim\t", "param= 4,prm", ":fim", "param= 5,prm"}, 4, 4, "   4: param= 4,prm"},
      {{"goto Fim", ":fim", "param= 1,prm"}, 0, 0, "   0: goto Fim <--- n\xE3o existe este label"},
      // Label on the last line: the call ends there, RunScript's step ends the run.
      {{"goto fim", "param= 1,prm", ":fim"}, 0, 2, "   0: goto fim"},
      // Jumps in a row: the line after a label may jump again, in the same call.
      {{"goto a", "param= 1,prm", ":a", "goto b", "param= 2,prm", ":b", "param= 3,prm"}, 3, 6, "   6: param= 3,prm"},
      // The line after the label is classified afresh: a text block.
      {{"goto a", ":a", "'ol\xE1'", "param= 6,prm"}, 6, 3, "   3: param= 6,prm"},
  };
  s.f.params.prm = "p";
  for (const auto& c : cases) {
    s.f.state.registers.assign(11, "");
    s.f.Msg.text.clear();
    EXPECT_EQ(s.Exec(c.lines), c.trace) << c.lines[0];
    EXPECT_EQ(s.f.run.lineIndex, c.index) << c.lines[0];
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(s.Reg(r), r == c.register_set ? "p" : "") << c.lines[0] << " r" << r;
  }
  EXPECT_EQ(s.f.Msg.text, "ol\xE1");
}

TEST_F(FlowTest, AGotoToTheLastLineEndsTheRunNormally) {
  game.WriteScript("a", {"param= 1,prm", "goto fim", "param= 2,prm", ":fim"});
  RunScript(s.f, "a&Prm=x");
  EXPECT_EQ(s.Reg(1), "x");
  EXPECT_EQ(s.Reg(2), "");
  EXPECT_EQ(game.StateLines(".rgs").at(1), "x");
}

// A long chain of jumps inside one call must neither recurse once per jump nor
// scan the script from the top every time.
TEST_F(FlowTest, ALongChainOfJumpsInOneCall) {
  const int jumps = 100000;
  StringList lines{"goto l0"};
  for (int i = 0; i < jumps; ++i) {
    lines.push_back(":l" + std::to_string(i));
    lines.push_back(i + 1 < jumps ? "goto l" + std::to_string(i + 1) : "param= 1,prm");
  }
  s.f.params.prm = "fim";
  s.Exec(lines);
  EXPECT_EQ(s.Reg(1), "fim");
  EXPECT_EQ(s.f.run.lineIndex, 2 * jumps);
}

TEST_F(FlowTest, GotoFindsTheLabelsOfTheScriptNowRunning) {
  // Same size, labels at other places: the index must follow the new lines.
  game.WriteScript("a", {"goto x", ":x", "script b", "/ a", "/ a"});
  game.WriteScript("b", {"/ b", "goto x", "param= 2,prm", ":x", "param= 1,prm"});
  RunScript(s.f, "a&Prm=p");
  EXPECT_EQ(s.Reg(1), "p");
  EXPECT_EQ(s.Reg(2), "");
}

TEST(LabelIndex, FirstExactTrimmedMatchEvenWhenTheLinesChangeUnannounced) {
  LabelIndex index;
  StringList lines{"/ x", " :a ", ":a", ":b c"};
  EXPECT_EQ(index.Find(lines, 1, ":a"), 1);
  EXPECT_EQ(index.Find(lines, 1, ":b c"), 3);
  EXPECT_EQ(index.Find(lines, 1, ":b"), -1);
  // Changed in place, same buffer, size and generation: still right, for a
  // label the index never saw and for one that moved.
  lines[0] = ":b";
  EXPECT_EQ(index.Find(lines, 1, ":b"), 0);
  lines[1] = "/ y";
  EXPECT_EQ(index.Find(lines, 1, ":a"), 2);
  // The label a loop jumps to on every turn, written over with a text of its length.
  EXPECT_EQ(index.Find(lines, 1, ":a"), 2);
  lines[2] = ":z";
  EXPECT_EQ(index.Find(lines, 1, ":a"), -1);
  EXPECT_EQ(index.Find(lines, 1, ":z"), 2);
}

TEST_F(FlowTest, GosubToAScriptAndBack) {
  game.WriteScript("a", {"param= 1,prm", "gosub sub", "param= 2,prm"});
  game.WriteScript("sub", {"param= 5,prm", "param= 3,prm", "return", "param= 4,prm"});
  RunScript(s.f, "a&Prm=p");
  EXPECT_EQ(s.Reg(1), "p");
  EXPECT_EQ(s.Reg(5), "");  // line 0 of the subroutine is skipped, as with "script"
  EXPECT_EQ(s.Reg(3), "p");
  EXPECT_EQ(s.Reg(2), "p");
  EXPECT_EQ(s.Reg(4), "");
  EXPECT_EQ(s.f.Script, "a");
  EXPECT_EQ(s.f.run.gosubLine, -1);
  EXPECT_EQ(s.f.run.gosubScript, "a");  // kept after the return
  EXPECT_EQ(Count("   1: gosub sub <- script em subrotina"), 1);
  EXPECT_EQ(Count("Executando script: sub.scp"), 1);
  EXPECT_EQ(Count("   2: return  <- retorno ao script a na linha: 1"), 1);
}

TEST_F(FlowTest, GosubToALabelStaysInTheScript) {
  game.WriteScript("a", {"gosub :sub", "param= 2,prm", "fim", ":sub", "param= 3,prm", "param= 6,prm", "ret"});
  const uint64_t before = s.f.run.linesGeneration;
  RunScript(s.f, "a&Prm=p");
  EXPECT_EQ(s.Reg(3), "p");
  EXPECT_EQ(s.Reg(6), "p");
  EXPECT_EQ(s.Reg(2), "p");
  EXPECT_EQ(s.f.run.linesGeneration, before + 1);  // the run's own load only: "ret" did not reload
  EXPECT_EQ(Count("   0: gosub sub <- label em subrotina!"), 1);
}

TEST_F(FlowTest, OneSubroutineLevel) {
  const struct {
    StringList lines;
    const char* trace;
  } cases[] = {
      {{"gosub :s1", "param= 1,prm", "fim", ":s1", "gosub :s2", "ret", ":s2", "param= 2,prm", "ret"},
       "   4: gosub  <--- j\xE1 existe gosub em execu\xE7\xE3o (a)"},
      {{"return", "param= 1,prm"}, "   0: return  <--- n\xE3o h\xE1 gosub em execu\xE7\xE3o!"},
      {{"gosub nada", "param= 1,prm"}, "   0: gosub nada <--- n\xE3o existe este script"},
      {{"gosub", "param= 1,prm"}, "   0: gosub  <--- n\xE3o informou o script/label"},
      {{"gosub sub/fora", "param= 1,prm"}, "   0: gosub sub/fora <--- fora da pasta do jogo"},
  };
  testing::TempGame outside;  // what a folder link the game ships leads to
  outside.WriteScript("fora", {"/ 0", "param= 2,prm"});
  game.Link("sub", outside.folder());
  for (const auto& c : cases) {
    s.f.state.registers.assign(11, "");
    game.WriteScript("a", c.lines);
    s.trace.clear();
    RunScript(s.f, "a&Prm=p");
    EXPECT_EQ(Count(c.trace), 1) << c.lines[0];
    EXPECT_EQ(s.Reg(1), "p") << c.lines[0];
    EXPECT_EQ(s.Reg(2), "") << c.lines[0];
    EXPECT_EQ(s.f.run.gosubLine, -1) << c.lines[0];
  }
}

TEST_F(FlowTest, GosubToAMissingLabelStaysInSubroutine) {
  EXPECT_EQ(s.Exec({"/ x", "gosub :nada"}, 1), std::string(48, '-') + "nada <--- n\xE3o existe este label");
  EXPECT_EQ(s.f.run.gosubLine, 1);
  EXPECT_EQ(s.f.run.lineIndex, 1);
}

TEST_F(FlowTest, ReturnReloadsTheCallerWhenTheSubroutineLeftIt) {
  // The subroutine itself moves on with "script": "return" reloads the caller.
  game.WriteScript("a", {"gosub :s", "param= 1,prm", "fim", ":s", "script b"});
  game.WriteScript("b", {"/ b", "return", "param= 2,prm"});
  RunScript(s.f, "a&Prm=p");
  EXPECT_EQ(s.Reg(1), "p");
  EXPECT_EQ(s.Reg(2), "");
  EXPECT_EQ(s.f.Script, "a");
}

}  // namespace
}  // namespace lumora
