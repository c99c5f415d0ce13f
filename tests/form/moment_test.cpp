// The undo history's steps: taken only while recording, the newest kept, the
// oldest dropped past twenty steps or past the pictures' budget, a new step
// leaving nothing to redo.
#include <gtest/gtest.h>

#include "form/form1.h"
#include "form/moment.h"
#include "platform/null_platform.h"

namespace lumora {
namespace {

TEST(UndoHistory, StepsAreBoundByTheirCountAndByTheirPictures) {
  const struct {
    const char* what;
    int side;        // of the map picture each step draws anew
    size_t steps;    // taken
    size_t kept;     // at most, back
  } cases[] = {
      {"small pictures: twenty steps", 100, 25, kUndoSteps},
      {"a map of 4000 by 3000 each step: the budget", 4000, 12, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    NullPlatform platform;
    TForm1 f(platform);
    RememberMoment(f);
    EXPECT_TRUE(f.undo.back.empty());  // not recording yet
    f.undo.recording = true;
    for (size_t i = 0; i < c.steps; ++i) {
      f.MapJog.picture = QImage(c.side, c.side * 3 / 4, QImage::Format_RGB32);
      f.MapJog.picture.fill(static_cast<uint>(i));
      f.Posic = "passo" + std::to_string(i);
      RememberMoment(f);
    }
    EXPECT_LE(f.undo.back.size(), c.kept);
    EXPECT_GE(f.undo.back.size(), 1u);
    // The newest step is the last one taken; undo brings its place back.
    f.Posic = "depois";
    ASSERT_TRUE(TakeMomentBack(f));
    EXPECT_EQ(f.Posic, "passo" + std::to_string(c.steps - 1));
    EXPECT_EQ(f.undo.forward.size(), 1u);
    RememberMoment(f);  // a new action: nothing left to redo
    EXPECT_TRUE(f.undo.forward.empty());
  }
}

}  // namespace
}  // namespace lumora
