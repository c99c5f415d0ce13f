// Music and sounds in the JSON steps of the demo: the key clicks of typing, the
// door's sound and the closing tune, the quit button's two clicks, each in the
// step that asked for them, names as given.
#include <QJsonArray>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

QJsonArray Audio(const WalkResult& r, int step) { return r.Step(step)["state"].toObject()["audio"].toArray(); }

QJsonObject Sound(const char* name, const char* mode) {
  return QJsonObject{{"sound", name}, {"mode", mode}};
}

TEST(WalkAudio, TypingClicksOncePerKeyPressed) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO), "resume\ntype ajuda\ntype olhar\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(Audio(r, 1).isEmpty());
  for (const auto& [step, text] : {std::pair{2, QStringLiteral("ajuda")}, std::pair{3, QStringLiteral("olhar")}}) {
    // The driver selects the field's text (one key), types each letter and
    // presses Enter: a click for each.
    const QJsonArray audio = Audio(r, step);
    EXPECT_EQ(audio.size(), text.size() + 2) << step;
    for (const auto& e : audio) EXPECT_EQ(e.toObject(), Sound("clk3.wav", "async"));
  }
}

TEST(WalkAudio, TheDoorSoundsAndPlaysTheTuneAndQuitClicksTwice) {
  const WalkResult r = PlayWalk(QStringLiteral(LUMORA_DEMO),
                                "resume\ntype jardim\ntype pegar chave\ntype entrada\nkey F3\nkey Enter\n"
                                "type abrir porta\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const QJsonArray door = Audio(r, 7);
  ASSERT_GE(door.size(), 2);
  EXPECT_EQ(door[door.size() - 2].toObject(), Sound("porta.wav", "async"));
  EXPECT_EQ(door[door.size() - 1].toObject(), (QJsonObject{{"music", "tema.mid"}}));
  // F3 and the Enter that follows are keys pressed in the field too.
  EXPECT_EQ(Audio(r, 5), QJsonArray{Sound("clk3.wav", "async")});
  EXPECT_EQ(Audio(r, 8), (QJsonArray{Sound("clk0a.wav", "async"), Sound("clk0b.wav", "async")}));
}

}  // namespace
}  // namespace lumora::testing
