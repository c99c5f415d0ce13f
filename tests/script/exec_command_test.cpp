// ExecCommand: trace prefix, classification, argument splitting, "#n"
// references, text blocks and "param=".
#include <gtest/gtest.h>

#include "core/strings.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

class ExecCommandTest : public ::testing::Test {
 protected:
  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(ExecCommandTest, TraceLineShowsTheLineIndexInFourPlaces) {
  const std::pair<int, const char*> cases[] = {
      {0, "   0: / x"}, {7, "   7: / x"}, {42, "  42: / x"}, {9999, "9999: / x"}, {10000, "0000: / x"}, {12345, "2345: / x"}};
  for (const auto& [index, want] : cases) {
    StringList lines(static_cast<size_t>(index) + 1);
    lines.back() = "/ x";
    EXPECT_EQ(s.Exec(lines, index), want);
  }
}

TEST_F(ExecCommandTest, ClassifiesEmptyLinesCommentsLabelsAndMarkedLines) {
  const struct {
    StringList lines;
    int index;
    const char* trace;
  } cases[] = {
      {{""}, 0, "   0: "},
      {{" \t "}, 0, "   0: "},
      {{"  / nota  "}, 0, "   0: / nota"},
      {{"; nota"}, 0, "   0: ; nota"},
      {{"goto fim", ":fim"}, 1, "   1: :fim <-2x nas linhas: 0 1 "},
      {{":unico"}, 0, "   0: :unico <-Refer\xEAncia na linha: 0 "},
      {{"a", "b", "c", "d", "goto lab", "", "", "", "", ":lab", "", "", "", "", "", "gosub lab"},
       9,
       "   9: :lab <-3x nas linhas: 4 9 15 "},
      {{"|:fim"}, 0, "   0: :fim "},  // a marked line is never a label
      {{"| / x"}, 0, "   0: / "},     // nor a comment: "/" is its keyword
      {{"qualquer coisa"}, 0, "   0: qualquer "},
      {{"msg=Ol\xE1"}, 0, "   0: msg=Ol\xE1 "},  // no blank: all of it is the keyword
  };
  for (const auto& c : cases) EXPECT_EQ(s.Exec(c.lines, c.index), c.trace);
}

TEST_F(ExecCommandTest, SplitsArgumentsAtCommasKeepingBlanksAndEmptyItems) {
  const struct {
    const char* line;
    const char* keyword;
    std::array<const char*, 9> args;
  } cases[] = {
      // "nada=" matches no command, so only the splitting acts on these lines.
      {"nada= 5,lamp,nom", "nada=", {"5", "lamp", "nom"}},
      {"nada= 5, lamp,nom", "nada=", {"5", " lamp", "nom"}},
      {"nada=  5", "nada=", {" 5"}},
      {"x a,,c", "x", {"a", "", "c"}},
      {"x ,b", "x", {"", "b"}},
      {"x 1,2,3,4,5,6,7,8,9,10,11", "x", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {"x a,", "x", {"a"}},
      {"msg= Ol\xE1, mundo, a", "msg=", {"Ol\xE1, mundo, a"}},
      {"msg+ a,b", "msg+", {"a,b"}},
      {"nada", "nada", {}},
  };
  for (const auto& c : cases) {
    s.Exec({c.line});
    EXPECT_EQ(s.t.keyword, c.keyword) << c.line;
    for (size_t i = 0; i < 9; ++i) EXPECT_EQ(s.t.arg[i], c.args[i] ? c.args[i] : "") << c.line << " argument " << i + 1;
  }
}

TEST_F(ExecCommandTest, ArgumentsAreEmptiedForEveryCommand) {
  s.Exec({"x a,b,c"});
  s.Exec({"x d"});
  EXPECT_EQ(s.t.arg[0], "d");
  EXPECT_EQ(s.t.arg[1], "");
  EXPECT_EQ(s.t.arg[2], "");
}

TEST_F(ExecCommandTest, RegisterReferencesInArguments) {
  // Ten registers: 0 to 10. An ordinary argument "#n" reads register n only
  // below the register count; a message reads any register up to it.
  auto& r = s.f.state.registers;
  r[0] = "zero";
  r[3] = "lamp";
  r[9] = "nove";
  r[10] = "dez";
  const struct {
    const char* line;
    std::string arg1, arg2;
  } table[] = {
      {"x 5,#3", "5", "lamp"},
      {"x #9,#10", "nove", "10"},  // #10 equals the count: the number stays
      {"x #11,#-1", "11", "-1"},
      {"x #abc,#", "zero", "zero"},  // not a number reads as register 0
      {"x ##3", "zero", ""},
      {"msg= #10", "dez", ""},
      {"msg= #abc", "zero", ""},
      {"msg= #3, e mais", "zero", ""},  // the whole text is the number
      {"msg= #11", "", ""},             // past the last register: empty
  };
  for (const auto& c : table) {
    s.Exec({c.line});
    EXPECT_EQ(s.t.arg[0], c.arg1) << c.line;
    EXPECT_EQ(s.t.arg[1], c.arg2) << c.line;
  }
}

TEST_F(ExecCommandTest, ParamCopiesALinkParameterIntoARegister) {
  s.f.params = {"porta", "10", "3"};
  s.f.state.registers[9] = "4";
  const struct {
    const char* line;
    const char* trace;
    int reg;
    const char* value;
  } cases[] = {
      {"param= 12,prm", "   0: param= 12 <--- registrador fora de faixa", -1, nullptr},
      {"param= 1,prm", "   0: param= 1,prm", 1, "porta"},
      {"param= 2,prx", "   0: param= 2,prx", 2, "10"},
      {"param= 10,pry", "   0: param= 10,pry", 10, "3"},  // the last register
      {"param= #9,prm", "   0: param= 4,prm", 4, "porta"},
      {"param= ,prm", "   0: param= 0,prm", 0, "porta"},  // empty reads as 0
      {"param= x,prx", "   0: param= 0,prx", 0, "10"},     // not a number reads as 0
      {"param= 11,prm", "   0: param= 11 <--- registrador fora de faixa", -1, nullptr},
      {"param= -1,prm", "   0: param= -1 <--- registrador fora de faixa", -1, nullptr},
      {"param= 5,prz", "   0: param= 5,prz <--- par\xE2metro desconhecido", -1, nullptr},
      {"param= 5, prm", "   0: param= 5, prm <--- par\xE2metro desconhecido", -1, nullptr},
      {"param= 5,PRM", "   0: param= 5,PRM <--- par\xE2metro desconhecido", -1, nullptr},
  };
  for (const auto& c : cases) {
    const StringList before = s.f.state.registers;
    EXPECT_EQ(s.Exec({c.line}), c.trace);
    StringList want = before;
    if (c.reg >= 0) want[static_cast<size_t>(c.reg)] = c.value;
    EXPECT_EQ(s.f.state.registers, want) << c.line;
  }
}

TEST_F(ExecCommandTest, MarkedLineRunsItsCommand) {
  s.f.params.prm = "sim";
  EXPECT_EQ(s.Exec({"  |  param= 2,prm"}), "   0: param= 2,prm");
  EXPECT_EQ(s.f.state.registers[2], "sim");
}

// What a text block shows in each display model.
std::string Shown(testing::Session& s) {
  if (s.f.Modelo == "0") return s.f.MsgMd0.text;
  if (s.f.Modelo == "1") return s.f.Msg.text;
  if (s.f.Modelo == "2") return JoinLines(s.f.page.lines);
  return s.f.Memo3.text;
}

TEST_F(ExecCommandTest, TextBlocksInEveryModel) {
  const struct {
    StringList lines;
    std::string model1;  // what model 1 shows; models 0, 2, 3 show the same text
  } cases[] = {
      {{"'Era uma vez'"}, "Era uma vez"},
      {{"'Era uma", "  vez de  ", "um rei'"}, "Era uma vez de um rei"},
      {{"'fim' e o resto some"}, "fim"},
      {{"'um", "dois' tres 'quatro'"}, "um dois"},
      {{"|'marcado'"}, "marcado"},
      {{"''"}, ""},
  };
  for (const char* model : {"0", "1", "2", "3"}) {
    for (const auto& c : cases) {
      s.f.Modelo = model;
      s.f.MsgMd0.text.clear();
      s.f.Msg.text.clear();
      s.f.page.lines.clear();
      s.f.Memo3.text.clear();
      s.Exec(c.lines);
      const std::string want = std::string(model) == "2" ? c.model1 + "\r\n" : c.model1;
      EXPECT_EQ(Shown(s), want) << "model " << model << ", " << c.lines.front();
      EXPECT_GE(s.f.run.lineIndex, static_cast<int>(c.lines.size()) - 1);
    }
  }
}

TEST_F(ExecCommandTest, TextBlockAppliesTheTextCodesOfTheModel) {
  const StringList lines = {"'sala^ norte~~sul\xA7", "fim'"};
  const std::pair<const char*, std::string> cases[] = {
      {"1", "sala, norte  sul\r\n fim"},
      {"2", "sala, norte&nbsp;&nbsp;sul<br> fim\r\n"},
      {"3", "sala, norte  sul\xA7 fim"},
  };
  for (const auto& [model, want] : cases) {
    s.f.Modelo = model;
    s.f.Msg.text.clear();
    s.f.page.lines.clear();
    s.f.Memo3.text.clear();
    s.Exec(lines);
    EXPECT_EQ(Shown(s), want) << "model " << model;
  }
}

TEST_F(ExecCommandTest, ModelOneAppendsTextBlocksWithoutALineBreak) {
  s.f.Msg.text = "Antes.";
  s.Exec({"'Depois.'"});
  EXPECT_EQ(s.f.Msg.text, "Antes.Depois.");
}

TEST_F(ExecCommandTest, ModelZeroTypesLetterByLetter) {
  s.f.Modelo = "0";
  s.f.typingDelay = 7;
  const int64_t start = s.platform.clock;
  s.Exec({"'abc'"});
  EXPECT_EQ(s.f.MsgMd0.text, "abc");
  EXPECT_EQ(s.platform.repaintCount, 3);
  EXPECT_EQ(s.platform.clock - start, 21);
}

TEST_F(ExecCommandTest, TheLineAfterATextBlockRunsInTheSameCall) {
  s.f.params.prm = "depois";
  const std::string trace = s.Exec({"'um", "dois'", "  param= 3,prm", "param= 4,prm"});
  EXPECT_EQ(s.f.Msg.text, "um dois");
  EXPECT_EQ(s.f.run.lineIndex, 2);  // the driver steps past it
  EXPECT_EQ(trace, "   2: param= 3,prm");
  EXPECT_EQ(s.f.state.registers[3], "depois");
  EXPECT_EQ(s.f.state.registers[4], "");
  // The block's own trace line went out with the line index it started at.
  ASSERT_FALSE(s.trace.empty());
  EXPECT_EQ(s.trace.back(), "   0: dois");
}

TEST_F(ExecCommandTest, ATextBlockFollowedByATextBlockShowsBoth) {
  s.Exec({"'a'", "'b'", "x"});
  EXPECT_EQ(s.f.Msg.text, "ab");
  EXPECT_EQ(s.f.run.lineIndex, 2);
  EXPECT_EQ(s.t.keyword, "x");
}

TEST_F(ExecCommandTest, TextBlockEndingWithTheScript) {
  for (const StringList& lines : {StringList{"'a", "b'"}, StringList{"'a", "b"}, StringList{"'a"}}) {
    s.f.Msg.text.clear();
    s.Exec(lines);
    EXPECT_EQ(Trim(s.f.Msg.text), lines.size() == 1 ? "a" : "a b") << lines.back();
    EXPECT_GE(s.f.run.lineIndex, static_cast<int>(lines.size()) - 1);
    EXPECT_LE(s.f.run.lineIndex, static_cast<int>(lines.size()));
  }
}

}  // namespace
}  // namespace lumora
