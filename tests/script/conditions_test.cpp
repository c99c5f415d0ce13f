// Conditions: argument moves and re-dispatch, register, exit and model tests,
// byte-wise ranges, place jumps, "getdir" and "scriptcmd=".
#include <gtest/gtest.h>

#include <array>

#include "core/script_error.h"
#include "script/conditions.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

using Args = std::array<std::string, 9>;

class ConditionsTest : public ::testing::Test {
 protected:

  testing::TempGame game;
  testing::Session s{game};
};

// "nada" matches no command, so after a test that holds the interpreter keeps
// the carried keyword and the moved arguments for us to look at.
TEST_F(ConditionsTest, ArgumentMovesOfTheCarriedCommand) {
  const struct {
    const char* line;
    const char* keyword;
    Args args;
  } cases[] = {
      {"if= 3,5,nada,a1,a2,a3,a4,a5,a6", "nada", {"a1", "a2", "a3", "a4", "a5", "a6"}},
      {"if# 3,y,nada,a1,a2", "nada", {"a1", "a2"}},
      {"if> 3,4,nada,a1", "nada", {"a1"}},
      {"if< 3,6,nada,,a2", "nada", {"", "a2"}},
      {"if~ 3,1,9,nada,b1,b2,b3,b4,b5", "nada", {"b1", "b2", "b3", "b4", "b5"}},
      {"ifnor nada,c1,c2,c3,c4,c5,c6,c7,c8", "nada", {"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8"}},
      {"ifmod1 nada, d1", "nada", {" d1"}},
      {"if= 3,5,,a1", "", {"a1"}},  // no command: nothing runs
  };
  s.Reg(3) = "5";
  s.f.exits.norte = "corredor";
  for (const auto& c : cases) {
    EXPECT_EQ(s.Exec({c.line}), "Exec: " + std::string(c.keyword) + " ") << c.line;
    EXPECT_EQ(s.t.keyword, c.keyword) << c.line;
    EXPECT_EQ(s.t.arg, c.args) << c.line;
  }
}

TEST_F(ConditionsTest, TraceBeforeTheTestWhenItFails) {
  s.Reg(3) = "zz";
  auto commas = [](int n) { return std::string(static_cast<size_t>(n), ','); };
  const std::pair<std::string, std::string> cases[] = {
      {"if= 3,x,msg=,um", "   0: if= 3,x+msg=,um" + commas(5)},
      {"if# 3,zz,nada", "   0: if# 3,zz+nada" + commas(6)},
      // No comma before argument 2; the bounds as numbers, guarded, default 0.
      {"if~ 3,1,2,nada,a", "   0: if~ 31+2,nada,a" + commas(4) + ",1,2,nada,a" + commas(4)},
      {"if~ 3,,x,nada", "   0: if~ 3+x,nada" + commas(5) + ",0,0,nada" + commas(5)},
      {"ifsul nada,a", "   0: ifsul nada,a" + commas(7)},
      {"ifmod3 nada,a", "   0: ifmod3 "},
      {"if= 11,x,nada", "   0: if= 11 <--- registrador fora de faixa"},
      {"if= -1,x,nada", "   0: if= -1 <--- registrador fora de faixa"},
  };
  for (const auto& [line, trace] : cases) EXPECT_EQ(s.Exec({line}), trace) << line;
}

TEST_F(ConditionsTest, RegisterTestsRunTheCarriedCommand) {
  s.f.params.prm = "ok";
  const struct {
    const char* r3;
    const char* r4;
    const char* line;
    bool runs;
  } cases[] = {
      {"aberta", "", "if= 3,aberta,param=,5,prm", true},
      {"Aberta", "", "if= 3,aberta,param=,5,prm", false},
      {"", "", "if= 3,,param=,5,prm", true},
      {"a", "", "if# 3,b,param=,5,prm", true},
      {"b", "", "if# 3,b,param=,5,prm", false},
      {"11", "", "if> 3,10,param=,5,prm", true},
      {"10", "", "if> 3,10,param=,5,prm", false},
      {"$10", "", "if> 3,10,param=,5,prm", true},
      {"-3", "", "if< 3,-2,param=,5,prm", true},
      {" 7", "", "if< 3,7,param=,5,prm", false},
      // Nested: both must hold.
      {"x", "y", "if= 3,x,if=,4,y,param=,5,prm", true},
      {"x", "n", "if= 3,x,if=,4,y,param=,5,prm", false},
      {"n", "y", "if= 3,x,if=,4,y,param=,5,prm", false},
      // "#n" was replaced when the conditional line was split.
      {"lamp", "lamp", "if= 3,#4,param=,5,prm", true},
  };
  for (const auto& c : cases) {
    s.Reg(3) = c.r3;
    s.Reg(4) = c.r4;
    s.Reg(5) = "";
    s.Exec({c.line});
    EXPECT_EQ(s.Reg(5), c.runs ? "ok" : "") << c.r3 << " " << c.line;
  }
}

TEST_F(ConditionsTest, NumberTestsReadUnguarded) {
  const std::pair<const char*, const char*> cases[] = {
      {"abc", "if> 3,10,nada"}, {"", "if< 3,10,nada"}, {"5", "if> 3,dez,nada"}, {"5", "if< 3,,nada"}};
  for (const auto& [value, line] : cases) {
    s.Reg(3) = value;
    EXPECT_THROW(s.Exec({line}), ScriptError) << value << " " << line;
  }
}

// The bounds of "if~" are texts compared byte by byte as unsigned numbers.
TEST_F(ConditionsTest, RangeComparesTextsByteWise) {
  const struct {
    const char* low;
    const char* high;
    const char* value;
    bool holds;
  } cases[] = {
      {"3", "7", "3", true},     {"3", "7", "5", true},      {"3", "7", "7", true},
      {"3", "7", "30", true},    {"3", "7", "3abc", true},   {"3", "7", "10", false},
      {"3", "7", "8", false},    {"3", "7", "", false},      {"3", "7", "70", false},
      {"", "", "0", true},       {"", "", "", false},        {"", "", "00", false},
      {"a", "z", "\xE1", false},  // "á" is byte E1, above "z"
      {"\xE0", "\xFA", "\xE9", true},
      {"\xE0", "\xFA", "z", false},
      {"A", "\xC7", "\x80", true},  // the euro sign sits between
  };
  s.f.params.prm = "ok";
  for (const auto& c : cases) {
    s.Reg(3) = c.value;
    s.Reg(5) = "";
    s.Exec({"if~ 3," + std::string(c.low) + "," + c.high + ",param=,5,prm"});
    EXPECT_EQ(s.Reg(5), c.holds ? "ok" : "") << c.low << " <= " << c.value << " <= " << c.high;
  }
  EXPECT_LT(CompareBytes("ab", "abc"), 0);
  EXPECT_GT(CompareBytes("\xFF", "a"), 0);
  EXPECT_EQ(CompareBytes("", ""), 0);
}

TEST_F(ConditionsTest, ExitAndModelTests) {
  const struct {
    const char* line;
    std::string Exits::*exit;  // the exit set for the case, or none
    const char* model;
    bool runs;
  } cases[] = {
      {"ifnor param=,5,prm", &Exits::norte, "1", true},   {"ifnor param=,5,prm", &Exits::sul, "1", false},
      {"ifsul param=,5,prm", &Exits::sul, "1", true},     {"ifles param=,5,prm", &Exits::leste, "1", true},
      {"ifles param=,5,prm", &Exits::oeste, "1", false},  {"ifoes param=,5,prm", &Exits::oeste, "1", true},
      {"ifoes param=,5,prm", nullptr, "1", false},        {"ifmod0 param=,5,prm", nullptr, "0", true},
      {"ifmod1 param=,5,prm", nullptr, "0", false},       {"ifmod2 param=,5,prm", nullptr, "2", true},
      {"ifmod3 param=,5,prm", nullptr, "3", true},        {"ifmod3 param=,5,prm", nullptr, "2", false},
  };
  s.f.params.prm = "ok";
  for (const auto& c : cases) {
    s.f.exits.Clear();
    if (c.exit) s.f.exits.*c.exit = "lugar";
    s.f.Modelo = c.model;
    s.Reg(5) = "";
    s.Exec({c.line});
    EXPECT_EQ(s.Reg(5), c.runs ? "ok" : "") << c.line << " model " << c.model;
  }
}

TEST_F(ConditionsTest, ACarriedGotoJumpsInTheSameCall) {
  s.f.params.prm = "ok";
  s.f.exits.norte = "corredor";
  const StringList lines{"ifnor goto,saida", "param= 1,prm", ":saida", "param= 2,prm"};
  EXPECT_EQ(s.Exec(lines), "   3: param= 2,prm");
  EXPECT_EQ(s.Reg(1), "");
  EXPECT_EQ(s.Reg(2), "ok");
  EXPECT_EQ(s.f.run.lineIndex, 3);
}

TEST_F(ConditionsTest, PlaceJumps) {
  game.WriteScript("sala", {"/ sala"});
  const StringList withLabel{"?", "param= 1,prm", ":x", "param= 2,prm"};
  const StringList withoutLabel{"?", "param= 1,prm"};
  const struct {
    const char* line;
    bool labelled;
    const char* posic;
    bool jumps;
    const char* trace;  // when it does not jump
  } cases[] = {
      {"ifloc= sala,x", true, "sala", true, ""},
      {"ifpos= sala,x", true, "sala", true, ""},
      {"ifloc= sala,x", true, "outro", false, "   0: ifloc= sala"},
      {"ifloc= sala,x", false, "sala", false, "   0: ifloc= sala <--- n\xE3o existe este label no script"},
      {"ifloc= cozinha,x", true, "cozinha", false, "   0: ifloc= cozinha <--- script do local n\xE3o existe"},
      {"ifloc= Sala,x", true, "sala", false, "   0: ifloc= Sala"},  // the file is found, the place differs
      {"ifloc# sala,x", true, "outro", true, ""},
      {"ifloc# cozinha,x", true, "outro", true, ""},  // no file check
      {"ifloc# sala,x", true, "sala", false, "   0: ifloc# "},
      {"ifloc# sala,x", false, "outro", false, "   0: ifloc# x <--- n\xE3o existe este label"},
  };
  s.f.params.prm = "ok";
  for (const auto& c : cases) {
    StringList lines = c.labelled ? withLabel : withoutLabel;
    lines[0] = c.line;
    s.f.Posic = c.posic;
    s.Reg(1) = s.Reg(2) = "";
    const std::string trace = s.Exec(lines);
    EXPECT_EQ(s.Reg(2), c.jumps ? "ok" : "") << c.line << " in " << c.posic;
    EXPECT_EQ(s.f.run.lineIndex, c.jumps ? 3 : 0) << c.line << " in " << c.posic;
    if (!c.jumps) { EXPECT_EQ(trace, c.trace) << c.line << " in " << c.posic; }
  }
}

TEST_F(ConditionsTest, GetDirCopiesAnExit) {
  Exits& e = s.f.exits;
  e = {"n", "s", "l", "o", "sobe", "desce", "entra", "sai"};
  const std::pair<const char*, const char*> words[] = {{"norte", "n"}, {"sul", "s"},      {"leste", "l"},
                                                       {"oeste", "o"}, {"subir", "sobe"}, {"descer", "desce"},
                                                       {"entrar", "entra"}, {"sair", "sai"}};
  for (const auto& [word, value] : words) {
    s.Reg(4) = "antes";
    EXPECT_EQ(s.Exec({"getdir 4," + std::string(word)}), "   0: getdir 4," + std::string(word)) << word;
    EXPECT_EQ(s.Reg(4), value) << word;
  }
  e.norte.clear();
  const std::pair<const char*, const char*> refused[] = {
      {"getdir 4,Norte", "   0: getdir 4,Norte <--- dire\xE7\xE3o desconhecida"},
      {"getdir 4,norte", "   0: getdir 4,norte <--- dire\xE7\xE3o desconhecida"},  // empty exit
      {"getdir 11,sul", "   0: getdir 11 <--- registrador fora de faixa"},
  };
  for (const auto& [line, trace] : refused) {
    s.Reg(4) = "antes";
    EXPECT_EQ(s.Exec({line}), trace) << line;
    EXPECT_EQ(s.Reg(4), "antes") << line;
  }
}

TEST_F(ConditionsTest, ScriptCmdChoosesAnExistingVocabulary) {
  game.WriteScript("vocab2", {"olhar|sala"});
  s.f.vocabulary = "vocab";
  const struct {
    const char* line;
    const char* vocabulary;
    const char* trace;
  } cases[] = {
      {"scriptcmd= vocab2", "vocab2", "   0: scriptcmd= vocab2"},
      {"scriptcmd= nada", "vocab2", "   0: scriptcmd= nada <--- n\xE3o existe este script"},
      {"scriptcmd=", "vocab2", "   0: scriptcmd=  <--- n\xE3o especificou o script"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(s.Exec({c.line}), c.trace) << c.line;
    EXPECT_EQ(s.f.vocabulary, c.vocabulary) << c.line;
  }
}

}  // namespace
}  // namespace lumora
