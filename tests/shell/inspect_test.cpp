// The inspector's engine side: edits refused where they cannot apply, the
// registers each run changed, the trace kept with its scripts, objects by place.
#include <gtest/gtest.h>

#include "core/trace.h"
#include "shell/inspect.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(Inspect, EditsAreRefusedWhileAScriptRunsAndForWhatDoesNotExist) {
  testing::TempGame game;
  game.WriteLines("aventura.obx", {"vela", "vela", "uma vela", "sala", "", "", "", ""});
  game.WriteLines("aventura.obz", {"vela"});
  game.WriteScript("sala", {"reg= 1,aqui"});
  const struct {
    const char* what;
    bool (*edit)(TForm1&);
    bool running, done;
  } cases[] = {
      {"a register", [](TForm1& f) { return InspectSetRegister(f, 10, "x"); }, false, true},
      {"past the register count", [](TForm1& f) { return InspectSetRegister(f, 11, "x"); }, false, false},
      {"a register, during a run", [](TForm1& f) { return InspectSetRegister(f, 1, "x"); }, true, false},
      {"an object", [](TForm1& f) { return InspectMoveObject(f, "vela", "jog"); }, false, true},
      {"no such object", [](TForm1& f) { return InspectMoveObject(f, "chave", "jog"); }, false, false},
      {"an object, during a run", [](TForm1& f) { return InspectMoveObject(f, "vela", "jog"); }, true, false},
      {"a place", [](TForm1& f) { return InspectGoTo(f, "sala"); }, false, true},
      {"a place without a script", [](TForm1& f) { return InspectGoTo(f, "porao"); }, false, false},
      {"a place, during a run", [](TForm1& f) { return InspectGoTo(f, "sala"); }, true, false},
  };
  for (const auto& c : cases) {
    testing::Session s{game};
    const GameState before = s.f.state;
    s.f.runDepth = c.running ? 1 : 0;
    EXPECT_EQ(c.edit(s.f), c.done) << c.what;
    if (!c.done) {
      EXPECT_EQ(s.f.state.registers, before.registers) << c.what;
      EXPECT_EQ(s.f.state.objectTable, before.objectTable) << c.what;
    }
  }
}

TEST(Inspect, RunWatchMarksWhatTheLastRunChangedNotTheEditsBetween) {
  testing::TempGame game;
  testing::Session s{game};
  s.Reg(3) = "igual";
  RunWatch watch(s.f);
  s.Run({"reg= 2,novo", "reg= 3,igual", "reg+ 5,1"});
  EXPECT_EQ(watch.Changed(), (std::vector<int>{2, 5}));
  EXPECT_EQ(watch.Runs(), 1u);
  ASSERT_TRUE(InspectSetRegister(s.f, 7, "editado"));
  EXPECT_EQ(watch.Changed(), (std::vector<int>{2, 5}));
  s.Run({"reg= 2,novo"});
  EXPECT_TRUE(watch.Changed().empty());
  EXPECT_EQ(watch.Runs(), 2u);
}

TEST(Inspect, RunWatchOpenedDuringARunTellsItsChangesSinceThen) {
  testing::TempGame game;
  testing::Session s{game};
  s.Reg(1) = "antes";
  const RunWatch watch(s.f);
  s.Reg(4) = "durante";
  s.f.onOutermostRun(false);  // the run it was opened in ends
  EXPECT_EQ(watch.Changed(), (std::vector<int>{4}));
}

TEST(Inspect, TheWatchesGoWithTheInspector) {
  testing::TempGame game;
  testing::Session s{game};
  const size_t listeners = detail::traceListeners;
  {
    const RunWatch watch(s.f);
    const TraceTail tail(2);
    EXPECT_TRUE(s.f.onOutermostRun);
    EXPECT_EQ(detail::traceListeners, listeners + 1);
  }
  EXPECT_FALSE(s.f.onOutermostRun);
  EXPECT_EQ(detail::traceListeners, listeners);
}

TEST(Inspect, TheTraceTailKeepsTheLastLinesWithTheirScripts) {
  testing::TempGame game;
  testing::Session s{game};
  game.WriteScript("outro", {"/ pulada", "/ dentro"});
  const TraceTail tail(3);
  s.Run({"/ fora", "script outro"});
  ASSERT_EQ(tail.Lines().size(), 3u);
  EXPECT_GT(tail.Seen(), 3u);
  EXPECT_EQ(tail.Lines().back().script, "outro");
  EXPECT_EQ(tail.Lines().back().text, s.trace.back());
}

TEST(Inspect, ObjectsAreListedByPlaceInTableOrder) {
  GameState st;
  st.objectTable = {"b", "B", "", "sala", "", "", "", "", "a", "A", "", "jog", "", "", "", "",
                    "c", "C", "", "sala", "", "", "", ""};
  st.objs = {"a", "b", "c"};
  const std::vector<PlacedObject> objects = ObjectsByPlace(st);
  ASSERT_EQ(objects.size(), 3u);
  const char* expected[][2] = {{"jog", "a"}, {"sala", "b"}, {"sala", "c"}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(objects[i].place, expected[i][0]);
    EXPECT_EQ(objects[i].key, expected[i][1]);
  }
  EXPECT_EQ(objects[0].name, "A");
}

}  // namespace
}  // namespace lumora
