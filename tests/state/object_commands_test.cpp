// The object commands on a small table: properties, moves, questions, counting
// and listing, the place words and the first match of a duplicate key.
#include <gtest/gtest.h>

#include "state/object_table.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

StringList Record(const std::string& key, const std::string& nom, const std::string& dsc, const std::string& loc) {
  return {key, nom, dsc, loc, key + ".png", "tag-" + key, "", ""};
}

// Five objects, "lamp" twice (the first at the current place "sala", the second
// carried), and a surplus record past the last key that no command may see.
class ObjectCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StringList& table = s.f.state.objectTable;
    table.clear();
    for (const StringList& r : {Record("faca", "Faca", "uma faca", "jog"),
                                Record("lamp", "L\xE2mpada", "uma l\xE2mpada", "sala"),
                                Record("lamp", "Outra", "outra l\xE2mpada", "jog"),
                                Record("mapa", "Mapa", "um mapa", "jog"), Record("vela", "Vela", "uma vela", "bau"),
                                Record("fantasma", "Fantasma", "um fantasma", "sala")})
      table.insert(table.end(), r.begin(), r.end());
    s.f.state.objs = {"faca", "lamp", "lamp", "mapa", "vela"};
    s.f.Posic = "sala";
    s.f.Objeto = "objeto";
  }
  std::string& Field(int object, int field) {
    return s.f.state.objectTable[static_cast<size_t>(object * kRecordLines + field)];
  }

  testing::TempGame game;
  testing::Session s{game};
};

TEST_F(ObjectCommandsTest, GetReadsTheFieldOfTheFirstRecordWithTheKey) {
  const struct {
    const char* line;
    const char* reg5;
    const char* trace;
  } cases[] = {
      {"getobj= 5,lamp,nom", "L\xE2mpada", "   0: getobj= 5lamp,L\xE2mpada"},
      {"getobj= 5,lamp,dsc", "uma l\xE2mpada", "   0: getobj= 5lamp,uma l\xE2mpada"},
      {"getobj= 5,lamp,loc", "sala", nullptr},
      {"getobj= 5,lamp,shp", "lamp.png", nullptr},
      {"getobj= 5,lamp,tag", "tag-lamp", nullptr},
      {"getobj= 5,lamp,peso", "antes", "   0: getobj= 5lamp,antes"},  // unknown word: unchanged
      {"getobj= 5,lamp,NOM", "antes", nullptr},
      {"getnomobj= 5,mapa", "Mapa", nullptr},
      {"getdscobj= 5,mapa", "um mapa", nullptr},
      {"getlocobj= 5,mapa", "jog", nullptr},
      {"getshpobj= 5,mapa", "mapa.png", nullptr},
      {"gettagobj= 5,mapa", "tag-mapa", nullptr},
      {"getobj= 5,nada,nom", "antes", "   0: getobj= 5nada <--- objeto n\xE3o existe"},
      {"getobj= 5, lamp,nom", "antes", "   0: getobj= 5 lamp <--- objeto n\xE3o existe"},
      {"getobj= 5,Lamp,nom", "antes", nullptr},
      {"getnomobj= 5,fantasma", "antes", nullptr},  // past the last key
      {"getobj= 5,#3,nom", "L\xE2mpada", nullptr},   // register 3 holds "lamp"
      {"getobj= 11,lamp,nom", "antes", "   0: getobj= 11 <--- registrador fora de faixa"},
  };
  for (const auto& c : cases) {
    s.Reg(5) = "antes";
    s.Reg(3) = "lamp";
    const std::string trace = s.Exec({c.line});
    EXPECT_EQ(s.Reg(5), c.reg5) << c.line;
    if (c.trace) { EXPECT_EQ(trace, c.trace) << c.line; }
  }
  EXPECT_EQ(s.f.state.registers.size(), 11u);
}

TEST_F(ObjectCommandsTest, SetWritesTheFieldAndReadsPlaceWordsAsTheCurrentPlace) {
  const struct {
    const char* line;
    int field;
    const char* value;  // of the first "lamp"; nullptr: the record is unchanged
    const char* trace;
  } cases[] = {
      {"setobj= lamp,nom,Lanterna", kNom, "Lanterna", "   0: setobj= "},
      {"setobj= lamp,tag,aberta, sim", kTag, "aberta", nullptr},
      {"setnomobj= lamp,Novo", kNom, "Novo", nullptr},
      {"setdscobj= lamp,nova", kDsc, "nova", nullptr},
      {"setlocobj= lamp,cozinha", kLoc, "cozinha", nullptr},
      {"setshpobj= lamp,l.gif", kShp, "l.gif", nullptr},
      {"settagobj= lamp,x", kTag, "x", nullptr},
      {"setlocobj= lamp,@pos", kLoc, "sala", nullptr},
      {"setobj= lamp,loc,@loc", kLoc, "sala", nullptr},
      {"setnomobj= lamp,loc", kNom, "sala", nullptr},  // in every property
      {"setobj= lamp,,x", kNom, nullptr, "   0: setobj= lamp <--- n\xE3o informou a propriedade"},
      {"setobj= lamp,peso,x", kNom, nullptr, "   0: setobj= "},
      {"setobj= nada,nom,x", kNom, nullptr, "   0: setobj= nada <--- este objeto n\xE3o existe!"},
      {"setnomobj= fantasma,x", kNom, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SetUp();
    const StringList before = s.f.state.objectTable;
    const std::string trace = s.Exec({c.line});
    if (c.trace) { EXPECT_EQ(trace, c.trace) << c.line; }
    StringList want = before;
    if (c.value) want[static_cast<size_t>(kRecordLines + c.field)] = c.value;
    EXPECT_EQ(s.f.state.objectTable, want) << c.line;
  }
}

TEST_F(ObjectCommandsTest, TakeDropAndMoveEverything) {
  s.Exec({"pegaobj= vela"});
  EXPECT_EQ(Field(4, kLoc), "jog");
  s.Exec({"soltaobj= faca"});
  EXPECT_EQ(Field(0, kLoc), "sala");
  s.Exec({"pegaobj lamp"});  // the first of the two
  EXPECT_EQ(Field(1, kLoc), "jog");
  s.Exec({"soltaobj mapa"});
  EXPECT_EQ(Field(3, kLoc), "sala");
  EXPECT_EQ(s.Exec({"pegaobj= nada"}), "   0: pegaobj= nada <--- objeto n\xE3o existe");
  EXPECT_EQ(s.Exec({"soltaobj= fantasma"}), "   0: soltaobj= fantasma <--- objeto n\xE3o existe");
  EXPECT_EQ(s.Exec({"pegaobj= faca"}), "   0: pegaobj= faca");
}

TEST_F(ObjectCommandsTest, PoeTudoAndTiraTudoMoveEveryObjectAtThePlace) {
  const struct {
    const char* line;
    const char* sent;   // the trace line sent to the sink
    const char* trace;  // what follows it: the keys moved
    const char* places; // of the five objects, then the surplus record
  } cases[] = {
      {"poetudo jog,loc", "   0: poetudo jog,sala  <- objetos colocados pelo jogador no objeto sala.",
       "  faca lamp mapa ", "sala sala sala sala bau sala"},
      {"tiratudo @pos,jog", "   0: tiratudo sala,jog ", "  lamp ", "jog jog jog jog bau sala"},
      {"tiratudo bau,@loc", "   0: tiratudo bau,sala  <- objetos em bau que ser\xE3o colocados em sala.", "  vela ",
       "jog sala jog jog sala sala"},
      {"poetudo nada,jog", "   0: poetudo nada,jog ", "  ", "jog sala jog jog bau sala"},
  };
  for (const auto& c : cases) {
    SetUp();
    s.trace.clear();
    EXPECT_EQ(s.Exec({c.line}), c.trace) << c.line;
    EXPECT_EQ(s.trace, std::vector<std::string>{c.sent}) << c.line;
    std::string places;
    for (int k = 0; k < 6; ++k) places += (k ? " " : "") + Field(k, kLoc);
    EXPECT_EQ(places, c.places) << c.line;
  }
  SetUp();
  const StringList before = s.f.state.objectTable;
  EXPECT_EQ(s.Exec({"tiratudo ,jog"}), "   0: tiratudo  <--- n\xE3o informou \"de\" onde");
  EXPECT_EQ(s.Exec({"poetudo jog"}), "   0: poetudo  <--- n\xE3o informou \"para\" onde");
  EXPECT_EQ(s.f.state.objectTable, before);
}

TEST_F(ObjectCommandsTest, ContaCountsEveryRecordAtThePlaceAndChecksTheRegister) {
  const struct {
    const char* line;
    int reg;
    const char* value;
    const char* trace;
  } cases[] = {
      {"conta jog,9", 9, "3", "   0: conta jog,9"},  // both "lamp" records count
      {"conta loc,9", 9, "1", "   0: conta sala,9"},
      {"conta @pos,9", 9, "1", nullptr},
      {"conta nada,9", 9, "0", nullptr},
      {"conta jog,10", 10, "3", nullptr},
      {"conta jog", 0, "3", "   0: conta jog,0"},
      {"conta jog,x", 0, "3", nullptr},
      {"conta jog,11", 9, "antes", "   0: conta jog,11 <--- registrador fora de faixa"},
      {"conta jog,-1", 9, "antes", "   0: conta jog,-1 <--- registrador fora de faixa"},
      {"conta jog,99999", 9, "antes", nullptr},
  };
  for (const auto& c : cases) {
    for (auto& r : s.f.state.registers) r = "antes";
    const std::string trace = s.Exec({c.line});
    EXPECT_EQ(s.Reg(c.reg), c.value) << c.line;
    if (c.trace) { EXPECT_EQ(trace, c.trace) << c.line; }
    EXPECT_EQ(s.f.state.registers.size(), 11u) << c.line;
  }
}

TEST_F(ObjectCommandsTest, LstObjJoinsTheDescriptionsFromTheLast) {
  const struct {
    const char* line;
    const char* value;
  } cases[] = {
      {"lstobj= 3,jog", "um mapa, outra l\xE2mpada e uma faca."},
      {"lstobj= 3,loc", "uma l\xE2mpada."},
      {"lstobj= 3,bau", "uma vela."},
      {"lstobj= 3,nada", ""},
      {"lstobjlnk= 3,@pos", "<a href=Scp=lamp>uma l\xE2mpada</a>."},
      {"lstobjlnk= 3,jog",
       "<a href=Scp=mapa>um mapa</a>, <a href=Scp=lamp>outra l\xE2mpada</a> e <a href=Scp=faca>uma faca</a>."},
  };
  for (const auto& c : cases) {
    s.Reg(3) = "antes";
    s.Exec({c.line});
    EXPECT_EQ(s.Reg(3), c.value) << c.line;
  }
  Field(2, kLoc) = "sala";
  Field(4, kLoc) = "jog";
  EXPECT_EQ(s.Exec({"lstobj= 3,jog"}), "   0: lstobj= 3,jog");
  EXPECT_EQ(s.Reg(3), "uma vela, um mapa e uma faca.");
  Field(0, kLoc) = "sala";
  s.Exec({"lstobj= 3,jog"});
  EXPECT_EQ(s.Reg(3), "uma vela e um mapa.");
  s.Reg(3) = "antes";
  EXPECT_EQ(s.Exec({"lstobj= 12,jog"}), "   0: lstobj= 12 <--- registrador fora de faixa");
}

TEST_F(ObjectCommandsTest, ListaObjetosFillsTheNameListOnly) {
  const StringList before = s.f.state.objectTable;
  s.Exec({"listaobjetos jog"});
  EXPECT_EQ(s.f.state.names, (StringList{"faca", "lamp", "mapa"}));
  s.Exec({"listaobjetos loc"});
  EXPECT_EQ(s.f.state.names, (StringList{"lamp"}));
  s.Exec({"listaobjetos bau"});
  EXPECT_EQ(s.f.state.names, (StringList{"lamp"}));
  EXPECT_EQ(s.f.state.objectTable, before);
}

TEST_F(ObjectCommandsTest, ObjetoSelectsAndGetUltObjReadsIt) {
  EXPECT_EQ(s.Exec({"objeto= mapa"}), "   0: objeto= mapa");
  EXPECT_EQ(s.f.Objeto, "mapa");
  EXPECT_EQ(s.Exec({"objeto= nada"}), "   0: objeto= nada <--- objeto n\xE3o existe");
  s.Exec({"objeto= fantasma"});
  EXPECT_EQ(s.f.Objeto, "mapa");
  EXPECT_EQ(s.Exec({"getultobj= 4"}), "   0: getultobj= 4,mapa");
  EXPECT_EQ(s.Reg(4), "mapa");
  s.Reg(4) = "antes";
  EXPECT_EQ(s.Exec({"getultobj= 11"}), "   0: getultobj= 11 <--- registrador fora de faixa");
  EXPECT_EQ(s.Reg(4), "antes");
}

// The questions jump through "goto" to the line after ":achou", which selects
// "faca"; without the jump the next line would select "vela".
TEST_F(ObjectCommandsTest, QuestionsJumpThroughGoto) {
  const struct {
    const char* line;
    bool jumps;
    const char* traceWithoutJump;
  } cases[] = {
      {"ifobj= lamp,sala,achou", true, nullptr},
      {"ifobj= lamp,loc,achou", true, nullptr},
      {"ifobj= lamp,jog,achou", false, "   0: ifobj= lampjog,achou <- n\xE3o saltou"},  // the first "lamp"
      {"ifobj# lamp,jog,achou", true, nullptr},
      {"ifobj# lamp,@pos,achou", false, "   0: ifobj# lampsala,achou <- n\xE3o saltou"},
      {"ifobj= nada,jog,achou", false, "   0: ifobj= nada <--- objeto n\xE3o existe"},
      {"ifobj# fantasma,jog,achou", false, nullptr},
      {"tem? lamp,achou", true, nullptr},  // the second "lamp" is carried
      {"tem? faca,achou", true, nullptr},
      {"tem? vela,achou", false, "   0: tem? "},
      {"tem? fantasma,achou", false, nullptr},
  };
  for (const auto& c : cases) {
    s.f.Objeto = "objeto";
    const std::string trace = s.Exec({c.line, "objeto= vela", ":achou", "objeto= faca"});
    if (!c.jumps) {
      EXPECT_EQ(s.f.run.lineIndex, 0) << c.line;
      EXPECT_EQ(s.f.Objeto, "objeto") << c.line;
      if (c.traceWithoutJump) { EXPECT_EQ(trace, c.traceWithoutJump) << c.line; }
    } else {
      EXPECT_EQ(s.f.run.lineIndex, 3) << c.line;
      EXPECT_EQ(s.f.Objeto, "faca") << c.line;
    }
  }
}

}  // namespace
}  // namespace lumora
