// The speech module: QTextToSpeech (speech-dispatcher behind it on Debian),
// speaking Portuguese when a Portuguese voice exists.
#include <QLocale>
#include <QTextToSpeech>

#include "platform/speech.h"

namespace lumora {
namespace {

class QtSpeech : public Speech {
 public:
  QtSpeech() {
    if (!Available()) return;
    // Games are written in Portuguese; Brazil's voice first, then any.
    QLocale chosen;
    bool found = false;
    for (const QLocale& l : tts_.availableLocales()) {
      if (l.language() != QLocale::Portuguese) continue;
      if (!found || l.territory() == QLocale::Brazil) chosen = l;
      found = true;
    }
    if (found) tts_.setLocale(chosen);
  }
  bool Available() override { return tts_.state() != QTextToSpeech::Error; }
  void Say(const QString& text) override {
    if (!Available()) return;
    tts_.stop();
    tts_.say(text);
  }

 private:
  QTextToSpeech tts_;
};

}  // namespace
}  // namespace lumora

extern "C" Q_DECL_EXPORT lumora::Speech* LumoraCreateSpeech() { return new lumora::QtSpeech; }
