// Save slots and undo through the walkthrough: save, move on, restore; across
// program runs; kept apart for two games of one name; in a read-only game;
// from an older slot. Undo and redo of a typed command and of a link. The
// inspector's edits: between runs, and no undo steps.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

void WriteFile(const QString& folder, const QString& name, const QByteArray& lines) {
  QFile file(folder + "/" + name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(lines).replace("\n", "\r\n"));
}

void WriteScript(const QString& folder, const QString& name, const QByteArray& lines) {
  WriteFile(folder, name + ".scp", lines);
}

// The spine game with places that count their visits: register 7 counts the
// runs of "start", register 5 the visits to "conta" (typed: "contar"); "longe"
// leaves a mark.
QString CountingGame() {
  const WalkResult r = PlayWalk("spine", "close\n");
  WriteScript(r.folder, "start", "reg+ 7,1\nscriptcmd= vocab\n");
  WriteScript(r.folder, "vocab", "CONTAR|conta\n");
  WriteScript(r.folder, "conta", "setpos= conta\nreg+ 5,1\nmsg= em conta\n");
  WriteScript(r.folder, "longe", "setpos= longe\nreg= 6,longe\nmsg= longe\n");
  return r.folder;
}

QJsonObject State(const WalkResult& r, int step) { return r.Step(step)["state"].toObject(); }
QString Reg(const WalkResult& r, int step, int n) { return State(r, step)["registers"].toArray()[n].toString(); }
QJsonArray Slots(const WalkResult& r, int step) { return State(r, step)["slots"].toArray(); }

TEST(WalkSlots, ARestoreBringsBackTheSavedMomentAndRunsOnlyThePlacesScriptEvenInANewRun) {
  QTemporaryDir data;
  DataHome home(data.path());
  const QString game = CountingGame();
  WalkResult r = PlayAgain(game, "start\nlink conta\nsave um\nlink longe\nlink conta\nrestore um\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const QJsonArray saved = Slots(r, 3);
  ASSERT_EQ(saved.size(), 1);
  EXPECT_EQ(saved[0].toObject()["name"], "um");
  EXPECT_EQ(saved[0].toObject()["place"], "conta");
  EXPECT_EQ(Reg(r, 5, 5), "2");  // visited twice before the restore
  // The slot's registers, then one run of the place's script: no "start".
  EXPECT_EQ(State(r, 6)["posic"], "conta");
  EXPECT_EQ(Reg(r, 6, 5), "2");
  EXPECT_EQ(Reg(r, 6, 6), "");
  EXPECT_EQ(Reg(r, 6, 7), "1");
  // What was there before the restore was kept in a slot of its own.
  const QJsonArray after = Slots(r, 6);
  ASSERT_EQ(after.size(), 2);
  EXPECT_TRUE(after[0].toObject()["automatic"].toBool());
  EXPECT_TRUE(after[1].toObject()["picture"].toBool());

  // Another run of the program, straight from the opening screen.
  r = PlayAgain(game, "restore um\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_EQ(State(r, 1)["posic"], "conta");
  EXPECT_EQ(Reg(r, 1, 5), "2");
  EXPECT_EQ(Reg(r, 1, 7), "1");
  EXPECT_EQ(Slots(r, 1).size(), 2);  // the opening screen had nothing to keep

  // The panels wait for a player; a walkthrough's F5 and F9 open none.
  r = PlayAgain(game, "start\nkey F5\nkey F9\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(State(r, 4)["exited"].toBool());
}

TEST(WalkSlots, SameNamedGamesKeepApartAndAnOlderSlotRestores) {
  QTemporaryDir data, second;
  DataHome home(data.path());
  const QString game = CountingGame();
  WalkResult r = PlayAgain(game, "start\nlink conta\nsave um\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  CopyFolder(game, second.path());
  r = PlayAgain(second.path(), "start\nrestore um\nquit\n");
  EXPECT_EQ(Slots(r, 1).size(), 0);
  EXPECT_FALSE(r.Step(2)["error"].isNull());

  // A slot from an older version of the game: two registers where the game
  // now has eleven. The loader pads them as it pads any saved game.
  const QString folder = data.path() + "/lumora/" +
                        QDir(data.path() + "/lumora").entryList({"spine-*"}, QDir::Dirs).value(0) + "/slots/";
  const QString id = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
  QFile registers(folder + id + "/spine.rgs");
  ASSERT_TRUE(registers.open(QIODevice::WriteOnly));
  registers.write("r0\r\nvelho\r\n");
  registers.close();
  r = PlayAgain(game, "restore um\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_EQ(State(r, 1)["registers"].toArray().size(), 11);
  EXPECT_EQ(Reg(r, 1, 1), "velho");
  EXPECT_EQ(Reg(r, 1, 5), "1");
}

TEST(WalkSlots, AReadOnlyGameKeepsItsSlotsInThePlayersFolder) {
  QTemporaryDir data;
  DataHome home(data.path());
  const QString game = CountingGame();
  ReadOnlyFolder readOnly(game);
  if (!readOnly.Ready()) GTEST_SKIP() << "the game's folder cannot be made read-only here";
  const WalkResult r = PlayAgain(game, "start\nlink conta\nsave ro\nlink longe\nrestore ro\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_EQ(State(r, 5)["posic"], "conta");
  EXPECT_EQ(Reg(r, 5, 6), "");
  EXPECT_FALSE(QFile::exists(game + "/spine.rgs.tmp~"));
}

TEST(WalkSlots, UndoTakesBackATypedCommandAndALinkWithoutARunAndRedoDoesThemAgain) {
  QTemporaryDir data;
  DataHome home(data.path());
  const WalkResult r = PlayAgain(CountingGame(), "start\ntype contar\nlink longe\nundo\nundo\nundo\nredo\nredo\nredo\n"
                                                 "undo\nlink conta\nredo\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const struct {
    int step;
    const char* posic;
    const char* visits;  // register 5: any script run by undo would count
    const char* mark;    // register 6
    const char* msg;
    bool refused;  // nothing to take back or do again
  } steps[] = {
      {3, "longe", "1", "longe", "longe", false},   {4, "conta", "1", "", "em conta", false},
      {5, "sala", "", "", "", false},               {6, "sala", "", "", "", true},
      {7, "conta", "1", "", "em conta", false},     {8, "longe", "1", "longe", "longe", false},
      {9, "longe", "1", "longe", "longe", true},    {11, "conta", "2", "", "em conta", false},
      {12, "conta", "2", "", "em conta", true},  // a new action leaves nothing to redo
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    EXPECT_EQ(State(r, s.step)["posic"], s.posic);
    EXPECT_EQ(Reg(r, s.step, 5), s.visits);
    EXPECT_EQ(Reg(r, s.step, 6), s.mark);
    EXPECT_EQ(State(r, s.step)["msg"], s.msg);
    EXPECT_EQ(!r.Step(s.step)["error"].isNull(), s.refused);
  }
  EXPECT_EQ(Reg(r, 12, 7), "1");  // "start" ran once
}

TEST(WalkSlots, TheInspectorsEditsWaitForTheRunAndAreNoUndoSteps) {
  QTemporaryDir data;
  DataHome home(data.path());
  const QString game = CountingGame();
  WriteFile(game, "spine.obx", "lampada\nlampada\numa lampada\nsala\n\n\n\n\n");
  WriteFile(game, "spine.obz", "lampada\n");
  WriteScript(game, "espera", "reg= 4,antes\npausa= 5\nreg= 4,depois\n");
  const WalkResult r = PlayAgain(game, "start\nlink conta\ninspect reg 3 ol\xC3\xA1 mundo\ninspect obj lampada jog\n"
                                       "inspect go longe\nundo\ninspect reg 11 x\ninspect obj vela jog\n"
                                       "inspect go nada\nlink espera\n> inspect reg 2 durante\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const struct {
    int step;
    const char* posic;
    const char* reg2;
    const char* reg3;
    const char* reg6;     // the mark "longe" leaves
    const char* lampada;  // where the object is
    bool refused;
  } steps[] = {
      {3, "conta", "", "ol\u00E1 mundo", "", "sala", false},
      {4, "conta", "", "ol\u00E1 mundo", "", "jog", false},
      {5, "longe", "", "ol\u00E1 mundo", "longe", "jog", false},
      // Undo takes back the player's last action, the link before the edits.
      {6, "sala", "", "", "", "sala", false},
      {7, "sala", "", "", "", "sala", true},  // past the register count
      {8, "sala", "", "", "", "sala", true},  // no such object
      {9, "sala", "", "", "", "sala", true},  // a place without a script
      // Given during the pause, the edit waits for the run's end.
      {11, "sala", "", "", "", "sala", false},
      {10, "sala", "durante", "", "", "sala", false},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    EXPECT_EQ(State(r, s.step)["posic"], s.posic);
    EXPECT_EQ(Reg(r, s.step, 2), s.reg2);
    EXPECT_EQ(Reg(r, s.step, 3), QString::fromUtf8(s.reg3));
    EXPECT_EQ(Reg(r, s.step, 6), s.reg6);
    EXPECT_EQ(State(r, s.step)["objects"].toArray()[3], s.lampada);
    EXPECT_EQ(!r.Step(s.step)["error"].isNull(), s.refused);
  }
  EXPECT_TRUE(r.Step(5)["trace"].toArray().contains("Executando script: longe.scp"));
  EXPECT_EQ(Reg(r, 11, 4), "antes");
  EXPECT_EQ(Reg(r, 10, 4), "depois");
}

}  // namespace
}  // namespace lumora::testing
