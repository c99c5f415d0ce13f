// The opening picture's clicks as the window system delivers them: a click
// counts when the double-click interval has passed, a double click delivers its
// click first.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "shell/lifecycle.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

enum class Event { Click, Interval, DoubleClick };

void Deliver(TForm1& f, Event e) {
  switch (e) {
    case Event::Click: OpeningClickArrived(f); break;
    case Event::Interval: OpeningClickIntervalPassed(f); break;
    case Event::DoubleClick: OpeningDoubleClickArrived(f); break;
  }
}

// A game whose start script and position script ("sala") leave their marks in the trace.
void WriteMarkedScripts(const testing::TempGame& game) {
  game.WriteScript("start", {"/ comeca"});
  game.WriteScript("sala", {"/ retoma"});
}

TEST(OpeningEvents, RunTheClickAndDoubleClickHandlersAsOften) {
  using enum Event;
  const struct {
    const char* what;
    std::vector<Event> events;
    size_t starts, resumes;
  } cases[] = {
      {"a click alone waits", {Click}, 0, 0},
      {"click, interval", {Click, Interval}, 1, 0},
      {"the interval ends twice", {Click, Interval, Interval}, 1, 0},
      {"an interval with nothing pending", {Interval}, 0, 0},
      {"click, double click", {Click, DoubleClick}, 1, 1},
      {"the stopped interval ends late", {Click, DoubleClick, Interval}, 1, 1},
      {"two clicks apart", {Click, Interval, Click, Interval}, 2, 0},
  };
  for (const auto& c : cases) {
    testing::TempGame game;
    WriteMarkedScripts(game);
    testing::Session s{game, false};
    for (Event e : c.events) Deliver(s.f, e);
    EXPECT_EQ(s.TraceStartingWith("   0: / comeca").size(), c.starts) << c.what;
    EXPECT_EQ(s.TraceStartingWith("   0: / retoma").size(), c.resumes) << c.what;
    EXPECT_TRUE(s.platform.errors.empty()) << c.what;
  }
}

TEST(OpeningEvents, ADoubleClickRunsTheClickFirst) {
  testing::TempGame game;
  WriteMarkedScripts(game);
  testing::Session s{game, false};
  OpeningClickArrived(s.f);
  OpeningDoubleClickArrived(s.f);
  const auto start = std::find(s.trace.begin(), s.trace.end(), "   0: / comeca");
  const auto resume = std::find(s.trace.begin(), s.trace.end(), "   0: / retoma");
  ASSERT_NE(start, s.trace.end());
  ASSERT_NE(resume, s.trace.end());
  EXPECT_LT(start, resume);
  EXPECT_EQ(s.f.Script, "sala");
}

TEST(OpeningEvents, AnExitAskedForDuringTheClickSkipsTheDoubleClick) {
  testing::TempGame game;
  WriteMarkedScripts(game);
  game.WriteScript("start", {"pausa= 1", "/ comeca"});
  testing::Session s{game, false};
  // The window is closed while the start script pauses.
  s.platform.OnceDuringProcessMessages([&] { s.f.exitRequested = true; });
  OpeningClickArrived(s.f);
  OpeningDoubleClickArrived(s.f);
  EXPECT_TRUE(s.TraceStartingWith("   0: / retoma").empty());
}

}  // namespace
}  // namespace lumora
