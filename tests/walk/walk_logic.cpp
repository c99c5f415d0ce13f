// A small puzzle with registers, objects, subroutines and conditions, and its
// saved game after quitting and after starting the program again.
#include <QFile>
#include <QJsonArray>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

QString Reg(const WalkResult& r, int step, int n) {
  return r.Step(step)["state"].toObject()["registers"].toArray()[n].toString();
}
QString Loc(const WalkResult& r, int step, int record) {
  return r.Step(step)["state"].toObject()["objects"].toArray()[record * 8 + 3].toString();
}

TEST(WalkLogic, ThePuzzleAndItsSavedGame) {
  const WalkResult r = PlayWalk("logic", GameWalkthrough("logic"));
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  ASSERT_EQ(r.steps.size(), 7u);
  // The keys are sorted when loaded: "chave" is record 0, "vela" record 1.
  EXPECT_EQ(r.Step(1)["state"].toObject()["objs"].toArray()[0].toString(), "chave");
  EXPECT_EQ(Loc(r, 1, 1), "jog");  // the candle taken in the cell
  EXPECT_EQ(Reg(r, 2, 1), "2");    // each visit counts, through a subroutine
  EXPECT_EQ(Loc(r, 2, 0), "cofre");  // too early to find the key
  EXPECT_EQ(Loc(r, 4, 0), "jog");
  EXPECT_EQ(Reg(r, 4, 4), "uma vela acesa e uma chave pequena.");
  const QByteArray rgs = "\r\n5\r\n\r\niniciado\r\numa vela acesa e uma chave pequena.\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
  EXPECT_EQ(r.File("logic.rgs"), rgs);
  EXPECT_EQ(r.File("logic.obx"),
            QByteArray("chave\r\nchave\r\numa chave pequena\r\njog\r\n\r\n\r\n\r\n\r\n"
                       "vela\r\nvela\r\numa vela acesa\r\njog\r\n\r\n\r\n\r\n\r\n"));
  EXPECT_EQ(r.File("logic.obz"), QByteArray("chave\r\nvela\r\n"));

  // Started again, the game goes on from the saved registers and objects.
  const WalkResult again = PlayAgain(r.folder, "start\nquit\n");
  ASSERT_EQ(again.exitCode, 0) << again.stderrText.toStdString();
  EXPECT_TRUE(again.Step(1)["state"].toObject()["msg"].toString().startsWith("Bem-vindo de volta."));
  EXPECT_EQ(Reg(again, 1, 1), "6");
  EXPECT_EQ(Loc(again, 1, 0), "jog");
}

}  // namespace
}  // namespace lumora::testing
