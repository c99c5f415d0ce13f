// Register commands: wrapping arithmetic, the real quotient's format, the random
// generator's fixed sequence, text over several lines, the register jumps, and
// "poeobj=" / "temos?".
#include <gtest/gtest.h>

#include <span>

#include "core/script_error.h"
#include "script/run_script.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

class RegisterCommandsTest : public ::testing::Test {
 protected:

  // Each case sets register 7, runs one line, and checks the register and,
  // when given, the trace line.
  struct RegisterCase {
    const char* before;
    const char* line;
    const char* after;
    const char* trace = nullptr;  // not checked when null
  };
  void Check(std::span<const RegisterCase> cases) {
    for (const auto& c : cases) {
      s.Reg(7) = c.before;
      const std::string trace = s.Exec({c.line});
      EXPECT_EQ(s.Reg(7), c.after) << c.before << " / " << c.line;
      if (c.trace) {
        EXPECT_EQ(trace, c.trace) << c.line;
      }
    }
  }

  testing::TempGame game;  // register count 10: registers 0 to 10
  testing::Session s{game};
};

TEST_F(RegisterCommandsTest, ArithmeticReadsTextAsZeroAndWrapsAt32Bits) {
  const RegisterCase cases[] = {
      {"abc", "reg+ 7,5", "5", "   0: reg+ 7,5"},
      {"10", "reg+ 7", "10", "   0: reg+ 7,0"},
      {"10", "reg* 7", "10", "   0: reg* 7,1"},
      {"10", "reg- 7,x", "10", "   0: reg- 7,0"},
      {"10", "reg* 7,x", "10", "   0: reg* 7,1"},
      {"10", "reg- 7,12", "-2", "   0: reg- 7,12"},
      {"10", "reg* 7,-3", "-30", "   0: reg* 7,-3"},
      {" 5", "reg+ 7,1", "6", nullptr},   // leading blanks are allowed
      {"5 ", "reg+ 7,1", "1", nullptr},   // a trailing blank is not a number
      {"$10", "reg+ 7,0x10", "32", "   0: reg+ 7,16"},
      {"10", "reg+ 7, 1", "11", nullptr},
      {"10", "reg: 7,3", "3", "   0: reg: 7,3"},
      {"-10", "reg: 7,3", "-3", nullptr},
      {"-7", "reg: 7,2", "-3", nullptr},  // towards zero
      {"10", "reg: 7,x", "10", nullptr},
      {"2147483647", "reg+ 7,1", "-2147483648", nullptr},
      {"-2147483648", "reg- 7,1", "2147483647", nullptr},
      {"-2147483648", "reg: 7,-1", "-2147483648", nullptr},
      {"-2147483648", "reg* 7,-1", "-2147483648", nullptr},
      {"65536", "reg* 7,65536", "0", nullptr},
      {"65537", "reg* 7,65537", "131073", nullptr},
      {"2147483648", "reg+ 7,1", "1", nullptr},  // beyond 32 bits: not a number
      // Counting up by one, the carries of the counter's own digits.
      {"", "reg+ 7,1", "1", nullptr},
      {"0", "reg+ 7,1", "1", nullptr},
      {"9", "reg+ 7,1", "10", nullptr},
      {"1299", "reg+ 7,1", "1300", nullptr},
      {"999999999", "reg+ 7,1", "1000000000", nullptr},
      {"007", "reg+ 7,1", "8", nullptr},
      {"+7", "reg+ 7,1", "8", nullptr},
      {"-1", "reg+ 7,1", "0", nullptr},
      {"2147483646", "reg+ 7,1", "2147483647", nullptr},
      {"7", "reg: 7,0", "7", "   0: reg: 7,0 <--- divis\xE3o por zero"},
      {"7", "reg/ 7,0", "7", "   0: reg/ 7,0 <--- divis\xE3o por zero"},
  };
  Check(cases);
}

TEST_F(RegisterCommandsTest, RealQuotientInTheGeneralFormat) {
  const RegisterCase cases[] = {
      {"10", "reg/ 7,4", "2.5"},
      {"10", "reg/ 7,5", "2"},
      {"-7", "reg/ 7,2", "-3.5"},
      {"1", "reg/ 7,3", "0.333333333333333"},
      {"2", "reg/ 7,3", "0.666666666666667"},
      {"1", "reg/ 7,100000", "0.00001"},
      {"1", "reg/ 7,200000", "5E-6"},
      {"1", "reg/ 7,2147483647", "4.6566128752458E-10"},
      {"0", "reg/ 7,-5", "0"},
      {"x", "reg/ 7,2", "0"},
      {"-2147483648", "reg/ 7,-1", "2147483648"},  // no wrap: the quotient is real
      {"9", "reg/ 7", "9"},
  };
  Check(cases);
  // A real result read again counts as 0 in the integer commands.
  s.Reg(7) = "2.5";
  s.Exec({"reg+ 7,1"});
  EXPECT_EQ(s.Reg(7), "1");
}

TEST_F(RegisterCommandsTest, SetAppendAndTrim) {
  s.f.Modelo = "1";
  s.Reg(3) = "lamp";
  const RegisterCase cases[] = {
      {"x", "reg= 7,abc", "abc", "   0: reg= 7,abc"},
      {"x", "reg= 7,#3", "lamp", "   0: reg= 7,lamp"},
      {"x", "reg= 7", "", "   0: reg= 7,"},
      {"x", "reg= 7, a~b\xA7", " a~b\xA7", nullptr},  // no text codes
      {"abc", "reg$ 7,xyz", "abcxyz", "   0: reg$ 7,xyz"},
      {"a", "reg$ 7,b^c~d", "ab,c d", "   0: reg$ 7,b,c d"},
      {"  a b  ", "trim 7", "a b", "   0: trim 7"},
      {"\t x\r\n", "trim 7", "x", nullptr},
  };
  Check(cases);
}

TEST_F(RegisterCommandsTest, RegisterNumbersOutsideTheRangeChangeNothing) {
  for (int n = 0; n <= 10; ++n) s.Reg(n) = "5";
  const char* lines[] = {"reg= 11,x", "reg= -1,x", "reg$ 11,x", "trim -1",  "regtxt= 11,'a'",
                         "reg+ 11,1", "reg- -1,1", "reg* 11,2", "reg: 11,2", "reg/ 11,2",
                         "reg? 11,9", "ifreg= 11,5,fim", "ifreg> 11,1,fim", "ifreg< -5,1,fim"};
  for (const char* line : lines) {
    const std::string trace = s.Exec({line, ":fim", "reg= 9,pulou"});
    EXPECT_NE(trace.find(" <--- registrador fora de faixa"), std::string::npos) << line;
    EXPECT_EQ(s.f.run.lineIndex, 0) << line;
  }
  EXPECT_EQ(s.f.state.registers, StringList(11, "5"));
  EXPECT_EQ(s.f.random.seed, 0u);  // the refused "reg?" drew nothing

  // The last register is register count itself; empty and text read as 0.
  const std::pair<const char*, int> valid[] = {{"reg= 10,x", 10}, {"reg= ,x", 0}, {"reg= abc,x", 0}, {"reg= $A,x", 10}};
  for (const auto& [line, n] : valid) {
    s.Reg(n) = "";
    s.Exec({line});
    EXPECT_EQ(s.Reg(n), "x") << line;
  }
}

TEST_F(RegisterCommandsTest, AShortRegisterFileStillAcceptsEveryNumberInRange) {
  s.f.state.registers = {"a", "b"};
  s.Exec({"reg+ 10,4"});
  EXPECT_EQ(s.Reg(10), "4");
}

TEST_F(RegisterCommandsTest, RandomDrawsFollowTheFixedSequence) {
  // seed := seed x 134775813 + 1 from 0; a draw is the high half of range x seed.
  // Seeds: 1, 134775814, 3698175007, 870078620, 1172187917.
  for (int n = 1; n <= 5; ++n) s.Exec({"reg? " + std::to_string(n) + ",99"});
  EXPECT_EQ(StringList(s.f.state.registers.begin() + 1, s.f.state.registers.begin() + 6),
            (StringList{"0", "3", "86", "20", "27"}));
  EXPECT_EQ(s.f.random.seed, 1172187917u);

  // A fresh program start draws the same numbers again.
  testing::Session again{game};
  again.f.state.registers[7] = "1";
  again.Exec({"reg? 7,6"});
  again.Exec({"reg? 7,6"});
  again.Exec({"reg? 7,6"});
  EXPECT_EQ(again.f.state.registers[7], "7");  // 1 + 0 + 0 + 6
  EXPECT_EQ(again.t.traceLine, "   0: reg? 7,6");
}

TEST_F(RegisterCommandsTest, RandomRangesAtTheLimits) {
  const struct {
    const char* before;
    const char* line;
    const char* after;
  } cases[] = {
      {"10", "reg? 7,-1", "10"},  // range 0
      {"10", "reg? 7,-5", "10"},  // below 0: treated as range 0
      {"10", "reg? 7", "10"},
      {"10", "reg? 7,x", "10"},
      {"0", "reg? 7,2147483647", "1849087503"},           // range 2^31: seed / 2
      {"2147483647", "reg? 7,2147483647", "-298396146"},  // 2147483647 + 1849087503 wraps
  };
  for (const auto& c : cases) {
    s.f.random.seed = 134775814;  // the next seed is 3698175007
    s.Reg(7) = c.before;
    s.Exec({c.line});
    EXPECT_EQ(s.Reg(7), c.after) << c.line;
    EXPECT_EQ(s.f.random.seed, 3698175007u) << c.line << ": the generator advances";
  }
}

TEST_F(RegisterCommandsTest, TextOverSeveralLinesConsumesThem) {
  s.f.Modelo = "1";
  const struct {
    StringList lines;
    const char* before;
    const char* after;
    int indexAfter;
    const char* trace;
  } cases[] = {
      {{"regtxt= 4,'Era", "uma vez", "fim.'", "msg= x"}, "", "Era uma vez fim.", 2, "   0: regtxt= 4,fim...."},
      {{"regtxt= 4,'curto'"}, "", "curto", 0, "   0: regtxt= 4,curto..."},
      {{"regtxt= 4,'  a  ", "  b' depois"}, "", "a b", 1, "   0: regtxt= 4,b..."},
      {{"regtxt= 4, 'Era", "x'"}, "old", "", 0, "   0: regtxt= 4,..."},  // apostrophe kept: closed at once
      {{"regtxt= 4,'Ol\xE1, mundo'", "segue", "fim'"}, "", "Ol\xE1 segue fim", 2, nullptr},
      {{"regtxt= 4,'a^b", "c~d", "e^f'"}, "", "a,b c d e^f", 2, nullptr},  // no codes in the last piece
      {{"regtxt= 4,'aberto", "sem fim"}, "", "aberto sem fim ", 1, "   0: regtxt= 4,..."},
      {{"regtxt+ 4,'b", "c'"}, "A", "Ab c", 1, nullptr},
      {{"regtxt+ 4,b'"}, "A", "Ab", 0, nullptr},
  };
  for (const auto& c : cases) {
    s.Reg(4) = c.before;
    const std::string trace = s.Exec(c.lines);
    EXPECT_EQ(s.Reg(4), c.after) << c.lines[0];
    EXPECT_EQ(s.f.run.lineIndex, c.indexAfter) << c.lines[0];
    if (c.trace) {
      EXPECT_EQ(trace, c.trace) << c.lines[0];
    }
  }
}

TEST_F(RegisterCommandsTest, ConsumedLinesDoNotRun) {
  game.WriteScript("texto", {"regtxt= 4,'Era", "reg= 5,errado", "fim.' reg= 6,errado", "reg= 6,certo"});
  RunScript(s.f, "texto");
  EXPECT_EQ(s.Reg(4), "Era reg= 5,errado fim.");
  EXPECT_EQ(s.Reg(5), "");
  EXPECT_EQ(s.Reg(6), "certo");

  // Never closed: the rest of the script is text and the run ends after it.
  game.WriteScript("aberto", {"regtxt= 4,'a", "reg= 5,errado"});
  RunScript(s.f, "aberto");
  EXPECT_EQ(s.Reg(4), "a reg= 5,errado ");
  EXPECT_EQ(s.Reg(5), "");
  EXPECT_EQ(game.StateLines(".rgs").at(4), "a reg= 5,errado ");
}

// The register jumps hand over to "goto": a jump goes on at the line after the
// label.
TEST_F(RegisterCommandsTest, RegisterJumps) {
  const struct {
    const char* reg2;
    const char* line;
    bool jumps;
  } cases[] = {
      {"sim", "ifreg= 2,sim,fim", true},     {"Sim", "ifreg= 2,sim,fim", false},
      {"sim ", "ifreg= 2,sim,fim", false},   {"sim", "ifreg= 2, sim,fim", false},
      {"", "ifreg= 2,,fim", true},           {"sim", "ifreg# 2,sim,fim", false},
      {"n\xE3o", "ifreg# 2,sim,fim", true},  {"0", "ifreg> 2,1,fim", true},  // the number 2, not its value
      {"99", "ifreg> 2,2,fim", false},       {"0", "ifreg< 2,3,fim", true},
      {"0", "ifreg< 2,2,fim", false},        {"5", "ifreg> #2,4,fim", true},
      {"5", "ifreg> #2,5,fim", false},       {"5", "ifreg< #2,$6,fim", true},
      {"5", "ifreg> 2, 1,fim", true},
  };
  for (const auto& c : cases) {
    s.Reg(2) = c.reg2;
    s.Reg(9) = "";
    const std::string trace = s.Exec({c.line, "reg= 9,seguiu", ":fim", "reg= 9,pulou"});
    if (!c.jumps) {
      EXPECT_TRUE(trace.ends_with(" <- n\xE3o saltou")) << c.reg2 << " / " << c.line << ": " << trace;
      EXPECT_EQ(s.f.run.lineIndex, 0) << c.line;
      EXPECT_EQ(s.Reg(9), "") << c.line;
    } else {
      EXPECT_EQ(s.Reg(9), "pulou") << c.reg2 << " / " << c.line;  // the line after the label ran
      EXPECT_EQ(s.f.run.lineIndex, 3) << c.line;
    }
  }
}

TEST_F(RegisterCommandsTest, ComparingANumberReadsItUnguarded) {
  for (const char* line : {"ifreg> 2,abc,fim", "ifreg< 2,,fim", "ifreg< 2,1 ,fim"}) {
    try {
      s.Exec({line});
      ADD_FAILURE() << line << ": no error";
    } catch (const ScriptError& e) {
      EXPECT_EQ(std::string(e.what()).substr(0, 1), "'") << e.what();
      EXPECT_NE(std::string(e.what()).find("' is not a valid integer value"), std::string::npos) << e.what();
    }
  }
}

class ObjectByRegisterTest : public RegisterCommandsTest {
 protected:
  void SetUp() override {
    s.f.state.objs = {"chave", "lamp"};
    s.f.state.objectTable = {"chave", "Chave", "", "sala", "", "", "", "",  //
                             "lamp",  "L",     "", "jog",  "", "", "", "",  //
                             "mapa",  "M",     "", "sala", "", "", "", ""};  // no key: never found
    s.f.Posic = "cozinha";
    s.f.Objeto = "lamp";
  }
  const std::string& Loc(int record) const { return s.f.state.objectTable.at(static_cast<size_t>(record) * 8 + 3); }
};

TEST_F(ObjectByRegisterTest, PoeObjMovesTheFirstMatchingRecord) {
  const struct {
    const char* line;
    int record;
    const char* loc;
    const char* trace;
  } cases[] = {
      {"poeobj= lamp,@pos", 1, "cozinha", "   0: poeobj= lamp,cozinha"},
      {"poeobj= chave,loc", 0, "cozinha", nullptr},
      {"poeobj= chave,@loc", 0, "cozinha", nullptr},
      {"poeobj= lamp,jog", 1, "jog", nullptr},
      {"poeobj= lamp, jog", 1, " jog", nullptr},
      {"poeobj= lamp", 1, "", "   0: poeobj= lamp,"},
      {"poeobj= Lamp,jog", 1, "", "   0: poeobj= Lamp <--- objeto n\xE3o existe"},
      {"poeobj= mapa,jog", 2, "sala", "   0: poeobj= mapa <--- objeto n\xE3o existe"},
  };
  for (const auto& c : cases) {
    const std::string trace = s.Exec({c.line});
    EXPECT_EQ(Loc(c.record), c.loc) << c.line;
    if (c.trace) {
      EXPECT_EQ(trace, c.trace) << c.line;
    }
  }
}

TEST_F(ObjectByRegisterTest, TemosJumpsWhenThePlayerCarriesTheObject) {
  const struct {
    const char* line;
    bool jumps;
    const char* trace;  // checked when the command did not jump
  } cases[] = {
      {"temos? lamp,tenho", true, nullptr},
      {"temos? ,tenho", true, nullptr},  // the current object
      {"temos? chave,tenho", false, "   0: temos? chave,tenho <- n\xE3o saltou"},
      {"temos? mapa,tenho", false, "   0: temos? mapa, <--- objeto n\xE3o existe"},
      {"temos? lamp ,tenho", false, "   0: temos? lamp , <--- objeto n\xE3o existe"},
  };
  for (const auto& c : cases) {
    s.f.state.registers[9] = "";
    const std::string trace = s.Exec({c.line, ":tenho", "reg= 9,pulou"});
    if (!c.jumps) {
      EXPECT_EQ(trace, c.trace);
      EXPECT_EQ(s.f.run.lineIndex, 0);
    } else {
      EXPECT_EQ(s.f.state.registers[9], "pulou") << c.line;
    }
  }
}

}  // namespace
}  // namespace lumora
