// The window as a hand plays it: a click with the pointer still, a quick tap,
// Enter struck fast on the focus ring, typing after the map page, the quit
// button during a script that never waits, and where input that arrives while
// the engine is busy is delivered.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

QJsonObject State(const WalkResult& r, int n) { return r.Step(n)["state"].toObject(); }

QStringList Trace(const WalkResult& r, int n) {
  QStringList out;
  for (const auto& line : r.Step(n)["trace"].toArray()) out << line.toString();
  return out;
}

// A copy of the demo with scripts of the test's own added.
QString DemoWith(QTemporaryDir& dir, const std::vector<std::pair<QString, QByteArray>>& scripts) {
  CopyFolder(QStringLiteral(LUMORA_DEMO), dir.path());
  for (const auto& [name, text] : scripts) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(text);
  }
  return dir.path();
}

// In the demo the first place's east arrow (panel 130,45) leads to the
// garden, whose slot of that number is the north arrow; the garden's own east
// arrow lies on the same spot and leads to the tower.
TEST(WalkWindow, ClicksWithAStillPointerActOnTheAreaUnderIt) {
  const struct {
    const char* what;
    const char* walk;
  } cases[] = {
      {"a click, the pointer still", "resume\nmove fnc 150 60\nclick fnc 150 60\nclick fnc 150 60\n"},
      {"a tap, the pointer still", "resume\nmove fnc 150 60\ntap fnc 150 60\ntap fnc 150 60\n"},
      {"Enter struck fast on the ring", "resume\nkey Tab\nkey Tab\ntap Enter\nkey Tab\nkey Tab\ntap Enter\n"},
  };
  for (const auto& c : cases) {
    const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), c.walk);
    ASSERT_EQ(r.exitCode, 0) << c.what << r.stderrText.toStdString();
    const int last = static_cast<int>(r.steps.size()) - 1;
    EXPECT_EQ(State(r, last)["script"].toString().toStdString(), "torre") << c.what;
    EXPECT_EQ(State(r, last)["posic"].toString(), "torre") << c.what;
    for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << c.what;
  }
}

// The release of a tap arrives while the press shows its picture: it waits
// until the press is done, so the new place is not painted over with the
// press's picture, and the window shows what a slow click leaves.
TEST(WalkWindow, AQuickTapLeavesTheWindowASlowClickLeaves) {
  QTemporaryDir shots;
  const QString tapped = shots.filePath("tap.png"), clicked = shots.filePath("click.png");
  const WalkResult tap = PlayWalk(QStringLiteral(LUMORA_DEMO), "resume\nmove fnc 150 60\ntap fnc 150 60\nshot " + tapped + "\n");
  const WalkResult click =
      PlayWalk(QStringLiteral(LUMORA_DEMO), "resume\nmove fnc 150 60\nclick fnc 150 60\nshot " + clicked + "\n");
  ASSERT_EQ(tap.exitCode, 0) << tap.stderrText.toStdString();
  ASSERT_EQ(click.exitCode, 0) << click.stderrText.toStdString();
  EXPECT_EQ(State(tap, 3)["script"].toString(), "jardim");
  const QImage a(tapped), b(clicked);
  ASSERT_FALSE(a.isNull());
  EXPECT_TRUE(a == b) << "the tapped window differs from the clicked one";
}

// The map page hides the input line: Qt moves the focus on its own, which is
// not the player's Tab. Back on the place, the input line has the keyboard.
TEST(WalkWindow, TypingAfterTheMapPageReachesTheInputLine) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), "resume\nclick fnc 150 60\nclick fnc 100 140\n"
                                                            "click fnc 100 140\ntype leste\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const struct {
    int step;
    const char *page, *keyboard, *script;
  } cases[] = {{2, "1", "input", "jardim"}, {3, "Mapa", "window", "jardim"}, {4, "1", "input", "jardim"},
               {5, "1", "input", "torre"}};
  for (const auto& c : cases) {
    const QJsonObject s = State(r, c.step);
    EXPECT_EQ(s["page"].toString(), c.page) << c.step;
    EXPECT_EQ(s["keyboard"].toString(), c.keyboard) << c.step;
    EXPECT_EQ(s["script"].toString(), c.script) << c.step;
    EXPECT_EQ(s["keyFocus"].toInt(), -1) << c.step;  // the focus ring never moved
  }
  EXPECT_EQ(State(r, 5)["lastCommand"].toString(), "LESTE");
}

// Input that arrives while the engine lets messages through at a point that
// holds it (a picture loading, the screen cleared) runs once the run is over;
// at a pause or a sound played to its end it runs nested, and its run ends the
// waiting one.
TEST(WalkWindow, InputIsDeliveredNestedOnlyWhereThePlayerMayAct) {
  QTemporaryDir dir;
  const QString game = DemoWith(dir, {{"pausa.scp", "reg= 19,antes\r\npausa= 50\r\nreg= 19,depois\r\n"},
                                      {"som.scp", "reg= 19,antes\r\n:a\r\nplaysnd clk0a.wav,on\r\ngoto a\r\n"},
                                      {"limpa.scp", "reg= 19,antes\r\ncleartotal\r\nreg= 19,depois\r\n"},
                                      {"marca.scp", "reg= 20,marca\r\n"}});
  const struct {
    const char* script;
    bool nested;        // the link ran inside the waiting run
    const char* after;  // register 40 when both are done
    bool web = false;   // the real web view: the place's page really loads
  } cases[] = {{"pausa", true, "antes"},
               {"som", true, "antes"},
               {"limpa", false, "depois"},
               {"jardim", false, ""},
               // The game's first page, still loading when the player acts.
               {"biblioteca", false, "", true}};
  for (const auto& c : cases) {
    const WalkResult r = PlayAgain(game, QString("start\nlink %1\n> link marca\n").arg(c.script),
                                   c.web ? QStringList{"--web"} : QStringList{});
    ASSERT_EQ(r.exitCode, 0) << c.script << r.stderrText.toStdString();
    // The "> " step is printed when its delivery is over: its own run, or nothing when held.
    EXPECT_EQ(Trace(r, 3).contains("Executando script: marca.scp"), c.nested) << c.script;
    const QStringList outer = Trace(r, 2);
    EXPECT_EQ(outer.contains("Executando script: marca.scp"), !c.nested) << c.script;
    if (!c.nested) EXPECT_GT(outer.indexOf("Executando script: marca.scp"), 0) << c.script;
    const QJsonArray registers = State(r, 2)["registers"].toArray();
    EXPECT_EQ(registers[20].toString(), "marca") << c.script;
    if (c.after[0]) EXPECT_EQ(registers[19].toString(), c.after) << c.script;
    EXPECT_EQ(State(r, 2)["script"].toString(), "marca") << c.script;
    // Reset for the next case: the game folder keeps its saved state.
    QFile::remove(dir.filePath("demo.rgs"));
    QFile::copy(QStringLiteral(LUMORA_DEMO) + "/demo.rgs", dir.filePath("demo.rgs"));
  }
}

// A script looping through points that hold input only: the quit button
// pressed and released meanwhile asks to close, and the program ends.
TEST(WalkWindow, TheQuitButtonEndsALoopThatHoldsInput) {
  QTemporaryDir dir;
  const QString game = DemoWith(dir, {{"laco.scp", "reg= 19,laco\r\n:a\r\ncleartotal\r\ngoto a\r\n"}});
  const WalkResult r = PlayAgain(game, "start\nlink laco\n> quit\nlink jardim\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(State(r, 2)["exited"].toBool());
  EXPECT_TRUE(r.Step(4).isEmpty());  // nothing runs after the end
}

}  // namespace
}  // namespace lumora::testing
