// The speech module's queue: the texts of a run said one after the other, in
// order, each when the engine is done with the one before; a stop drops them.
#include <gtest/gtest.h>

#include <QStringList>
#include <string>
#include <vector>

#include "platform/speech_queue.h"

namespace lumora {
namespace {

TEST(SpeechQueue, EachTextIsSaidWhenTheEngineIsDoneWithTheOneBefore) {
  // Events: "+TEXT" a text to read, "done" the engine is ready again, "stop".
  const struct {
    std::vector<const char*> events;
    QStringList said;  // what reached the engine, in order
    const char* what;
  } cases[] = {
      {{"+Uma sala.", "+Visitas: 1"}, {"Uma sala."}, "the second waits for the first"},
      {{"+Uma sala.", "+Visitas: 1", "done"}, {"Uma sala.", "Visitas: 1"}, "then follows it"},
      {{"+a", "+b", "+c", "done", "done", "done"}, {"a", "b", "c"}, "in the order given"},
      {{"+a", "done", "done", "+b"}, {"a", "b"}, "an idle engine says a new text at once"},
      {{"+a", "+b", "stop", "done", "+c"}, {"a", "c"}, "a stop drops what waits"},
      {{"+a", "+b", "stop", "+c", "+d"}, {"a", "c"}, "after a stop the next text is said at once, the one after waits"},
  };
  for (const auto& c : cases) {
    SpeechQueue queue;
    QStringList said;
    for (const char* e : c.events) {
      const std::string event = e;
      std::optional<QString> now;
      if (event == "stop") queue.Clear();
      else if (event == "done") now = queue.Done();
      else now = queue.Add(QString::fromStdString(event.substr(1)));
      if (now) said << *now;
    }
    EXPECT_EQ(said, c.said) << c.what;
  }
}

}  // namespace
}  // namespace lumora
