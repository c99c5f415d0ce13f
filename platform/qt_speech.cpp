// The speech module: QTextToSpeech (speech-dispatcher behind it on Debian),
// speaking Portuguese when a Portuguese voice exists. The engine lives on a
// thread of its own: speech-dispatcher answers over a socket, and a server
// that hangs (no sound device behind it) must not hang the game with it.
// QTextToSpeech cuts off its reading for a new text: the texts wait in a queue
// of our own, and each is said when the engine is ready again.
#include <QLocale>
#include <QSemaphore>
#include <QTextToSpeech>
#include <QThread>
#include <atomic>

#include "platform/speech.h"
#include "platform/speech_queue.h"

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
      QObject::connect(tts_, &QTextToSpeech::stateChanged, worker_, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Ready || state == QTextToSpeech::Error) SayNow(queue_.Done());
      });
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
    QMetaObject::invokeMethod(worker_, [this, text] { SayNow(queue_.Add(text)); });
  }
  void Stop() override {
    if (!Available()) return;
    QMetaObject::invokeMethod(worker_, [this] {
      queue_.Clear();
      tts_->stop();
    });
  }

 private:
  // On the thread: the text the queue says is due now, if any.
  void SayNow(const std::optional<QString>& text) {
    if (text) tts_->say(*text);
  }

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
  SpeechQueue queue_;             // used on the thread only
  QSemaphore answered_;
  std::atomic<bool> available_ = false;
  bool decided_ = false, answeredInTime_ = false;
};

}  // namespace
}  // namespace lumora

extern "C" Q_DECL_EXPORT lumora::Speech* LumoraCreateSpeech() { return new lumora::QtSpeech; }
