// Entries from the window system: errors stay inside, and an exit waits for
// the outermost entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "core/script_error.h"
#include "core/strings.h"
#include "script/run_script.h"
#include "shell/entry.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(EnterEngine, EndsOnlyWhenTheOutermostEntryUnwinds) {
  // How deep the exit is requested (0: never), and what each level reports.
  const struct {
    const char* what;
    int requestAt;
  } cases[] = {{"no exit", 0}, {"outer", 1}, {"nested", 2}, {"twice nested", 3}};
  for (const auto& c : cases) {
    testing::TempGame game;
    testing::Session s{game, false};
    std::vector<bool> reported;  // innermost first
    std::function<void(int)> enter = [&](int level) {
      reported.push_back(EnterEngine(s.f, [&] {
        if (level == c.requestAt) s.f.exitRequested = true;
        if (level < 3) enter(level + 1);
      }));
    };
    enter(1);
    ASSERT_EQ(reported.size(), 3u) << c.what;
    EXPECT_FALSE(reported[0]) << c.what;
    EXPECT_FALSE(reported[1]) << c.what;
    EXPECT_EQ(reported[2], c.requestAt != 0) << c.what;
    EXPECT_EQ(s.f.entryDepth, 0) << c.what;
  }
}

TEST(EnterEngine, AnErrorGoesToTheMessageBoxAndTheEntryStillUnwinds) {
  testing::TempGame game;
  testing::Session s{game, false};
  bool after = false;
  const bool endNow = EnterEngine(s.f, [&] {
    EXPECT_FALSE(EnterEngine(s.f, [] { throw ScriptError("inner"); }));
    after = true;
  });
  EXPECT_FALSE(endNow);
  EXPECT_TRUE(after);  // the inner error did not leave the outer entry
  EXPECT_EQ(s.platform.errors, std::vector<std::string>{"inner"});
  EXPECT_EQ(s.f.entryDepth, 0);
  // Anything else passes through, and the count unwinds with it.
  EXPECT_THROW(EnterEngine(s.f, [] { throw std::runtime_error("other"); }), std::runtime_error);
  EXPECT_EQ(s.f.entryDepth, 0);
}

TEST(CloseRequested, InsideAnEntryOnlyRequestsTheExit) {
  testing::TempGame game;
  testing::Session s{game, false};
  bool closeInside = true;
  const bool endNow = EnterEngine(s.f, [&] {
    EnterEngine(s.f, [&] { closeInside = CloseRequested(s.f); });
    // The nested entry has unwound, the outer one has not.
    EXPECT_TRUE(s.f.exitRequested);
  });
  EXPECT_FALSE(closeInside);
  EXPECT_TRUE(endNow);
}

TEST(CloseRequested, OutsideAnyEntryTheProgramMayEndNow) {
  testing::TempGame game;
  testing::Session s{game, false};
  EXPECT_TRUE(CloseRequested(s.f));
  EXPECT_FALSE(s.f.exitRequested);  // nothing is left to end it later
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

TEST(EnterEngine, InputThatWouldNestTooDeepIsDroppedWithATraceLine) {
  testing::TempGame game;
  game.WriteScript("p", {"reg+ 1,1", "pausa= 1"});
  game.WriteRegisters({"", "0"});
  testing::Session s{game};
  // Each pause lets the next typed command through, as a player typing faster
  // than the pauses end: 500 of them, far deeper than the limit.
  const int kTyped = 500;
  int typed = 0, deepest = 0;
  s.platform.onProcessMessages = [&] {
    if (typed >= kTyped) return;
    ++typed;
    EnterEngine(s.f, [&] {
      deepest = std::max(deepest, s.f.entryDepth);
      RunScript(s.f, "p");
    });
  };
  EnterEngine(s.f, [&] { RunScript(s.f, "p"); });
  s.platform.onProcessMessages = nullptr;
  EXPECT_EQ(typed, kTyped);
  EXPECT_EQ(deepest, kMaxEntryDepth);
  const size_t dropped = s.TraceStartingWith("Entrada ignorada").size();
  EXPECT_GT(dropped, 0u);
  // Every command was either run (the first one too) or dropped.
  EXPECT_EQ(s.f.state.registers.at(1), IntToStr(1 + kTyped - static_cast<int64_t>(dropped)));
  EXPECT_EQ(s.f.entryDepth, 0);
}

}  // namespace
}  // namespace lumora
