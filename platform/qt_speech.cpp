// The speech module: QTextToSpeech (speech-dispatcher behind it on Debian),
// speaking Portuguese when a Portuguese voice exists. The engine lives on a
// thread of its own: speech-dispatcher answers over a socket, and a server
// that hangs (no sound device behind it) must not hang the game with it.
#include <QLocale>
#include <QSemaphore>
#include <QTextToSpeech>
#include <QThread>
#include <atomic>

#include "platform/speech.h"

namespace lumora {
namespace {

constexpr int kAnswerMs = 3000;  // how long the first question waits for the engine

class QtSpeech : public Speech {
 public:
  QtSpeech() {
    thread_->start();
    worker_->moveToThread(thread_);
    QMetaObject::invokeMethod(worker_, [this] {
      tts_ = new QTextToSpeech;
      ChoosePortuguese();
      available_ = tts_->state() != QTextToSpeech::Error;
      answered_.release();
    });
  }
  ~QtSpeech() override {
    QMetaObject::invokeMethod(worker_, [this] {
      delete tts_;
      tts_ = nullptr;
      thread_->quit();
    });
    // A thread still stuck in the engine is left behind as the program ends,
    // rather than waiting for it.
    if (!thread_->wait(1000)) return;
    delete worker_;
    delete thread_;
  }
  bool Available() override {
    if (!decided_) {
      decided_ = true;
      answeredInTime_ = answered_.tryAcquire(1, kAnswerMs);
    }
    return answeredInTime_ && available_;
  }
  void Say(const QString& text) override {
    if (!Available()) return;
    QMetaObject::invokeMethod(worker_, [this, text] {
      tts_->stop();
      tts_->say(text);
    });
  }

 private:
  // Games are written in Portuguese; Brazil's voice first, then any.
  void ChoosePortuguese() {
    QLocale chosen;
    bool found = false;
    for (const QLocale& l : tts_->availableLocales()) {
      if (l.language() != QLocale::Portuguese) continue;
      if (!found || l.territory() == QLocale::Brazil) chosen = l;
      found = true;
    }
    if (found) tts_->setLocale(chosen);
  }

  QThread* thread_ = new QThread;
  QObject* worker_ = new QObject;
  QTextToSpeech* tts_ = nullptr;  // made, used and deleted on the thread
  QSemaphore answered_;
  std::atomic<bool> available_ = false;
  bool decided_ = false, answeredInTime_ = false;
};

}  // namespace
}  // namespace lumora

extern "C" Q_DECL_EXPORT lumora::Speech* LumoraCreateSpeech() { return new lumora::QtSpeech; }
