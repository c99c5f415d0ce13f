// The demo game stays playable from start to end: typed commands, the three
// display models it uses, page links, objects and registers.
#include <QJsonArray>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

TEST(WalkDemo, PlaysFromTheEntranceToTheDoor) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                "start\ntype jardim\ntype pegar chave\ntype sala\ntype biblioteca\n"
                                "link pegar&Prm=lanterna\nlink entrada\ntype inventario\ntype abrir porta\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  ASSERT_EQ(r.steps.size(), 11u);
  for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << step["error"].toString().toStdString();
  auto state = [&](int n) { return r.Step(n)["state"].toObject(); };
  EXPECT_TRUE(state(1)["msg"].toString().startsWith(QString::fromUtf8("Você está na entrada")));
  EXPECT_EQ(state(3)["msg"].toString(), QString::fromUtf8("Agora você tem:\r\numa chave de ferro"));
  EXPECT_EQ(state(4)["model"].toString(), "0");
  EXPECT_TRUE(state(4)["memo0"].toString().endsWith("uma chave de ferro."));
  EXPECT_EQ(state(5)["page"].toString(), "2");
  EXPECT_TRUE(state(5)["html"].toString().contains("<a href=Scp=pegar&Prm=lanterna>"));
  EXPECT_EQ(state(8)["msg"].toString(), QString::fromUtf8("Você carrega:\r\numa lanterna velha e uma chave de ferro."));
  EXPECT_EQ(state(9)["msg"].toString(), QString::fromUtf8("A porta abre: o demo termina aqui. Obrigado por jogar!"));
  // The visits to the entrance are counted in register 1 and saved.
  EXPECT_EQ(state(9)["registers"].toArray()[1].toString(), "2");
  EXPECT_TRUE(r.File("demo.rgs").startsWith("\r\n2\r\n"));
}

}  // namespace
}  // namespace lumora::testing
