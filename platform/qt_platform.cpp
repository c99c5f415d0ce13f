// The platform services on Qt.
#include "platform/qt_platform.h"

#include <QApplication>
#include <QBuffer>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <algorithm>

#include "core/paths.h"
#include "core/text1252.h"
#include "form/form1.h"
#include "shell/entry.h"
#include "qt/main_window.h"

namespace lumora {

// Input held is delivered first, in its order, where the player may act.
void QtPlatform::ProcessMessages(PlayerInput input) { Pass(input, QEventLoop::AllEvents); }

void QtPlatform::Pass(PlayerInput input, QEventLoop::ProcessEventsFlags flags) {
  if (!window_) return;
  window_->Sync();
  InputQueue& queue = window_->Queue();
  const bool holding = input == PlayerInput::Held;
  if (!holding) queue.DeliverHeld();
  queue.BeginPass(holding);
  QCoreApplication::processEvents(flags);
  if (onMessages) onMessages();
  queue.EndPass();
}

// The web view's engine does its work in the window's thread, in small tasks
// posted one after another: a sleep between passes would hold each task for
// the whole sleep, and a page that loads in a tenth of a second took seconds.
// The wait sleeps in the event loop instead, woken by the next message or,
// at the latest, by a timer at its end.
void QtPlatform::WaitForMessages(PlayerInput input, int ms) {
  if (!window_) return Sleep(ms);
  QElapsedTimer waited;
  waited.start();
  QTimer wake;
  wake.setSingleShot(true);
  for (qint64 left = ms; left > 0; left = ms - waited.elapsed()) {
    wake.start(static_cast<int>(left));
    Pass(input, QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  if (ms <= 0) ProcessMessages(input);
}

// The player's input is held (the window system counts the close button as
// input, so the event loop cannot leave input out for us) and no timer fires
// (X11ExcludeTimers, honoured by Qt's Unix and GLib event dispatchers). What
// is left is the window system's own traffic: painting, and the close request
// we came for. The quit button pressed and released meanwhile asks to close
// as the close button does: while a script runs without waiting it is the way
// out the player sees. An event-queue pass costs far more than the question,
// which typing asks at every letter: the queue is looked at every tenth of a
// second of real time.
void QtPlatform::NoticeCloseRequest() {
  constexpr qint64 kLookEveryMs = 100;
  if (!window_) return;
  if (closeLooked_.isValid() && closeLooked_.elapsed() < kLookEveryMs) return;
  closeLooked_.start();
  InputQueue& queue = window_->Queue();
  queue.BeginPass(true);
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::X11ExcludeTimers);
  queue.EndPass();
  if (form_ && queue.TakeClickOn(window_->Widgets().btFim)) CloseRequested(*form_);
}

void QtPlatform::RepaintNow(Component component) {
  if (window_) window_->RepaintNow(component);
}

void QtPlatform::Sleep(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

int64_t QtPlatform::Milliseconds() {
  if (!clockStarted_) {
    clock_.start();
    clockStarted_ = true;
  }
  return clock_.elapsed();
}

void QtPlatform::WebStop() {
  if (window_) window_->Web().Stop();
}

void QtPlatform::WebNavigate(const std::string& target) {
  if (window_) window_->Web().Navigate(target);
}

void QtPlatform::WebLoadHtml(const std::string& html) {
  if (!window_) return;
  const QUrl base = form_ ? QUrl::fromLocalFile(QString::fromUtf8(form_->gameFolder)) : QUrl();
  window_->Web().LoadHtml(html, base);
}

int QtPlatform::WebReadyState() { return window_ ? window_->Web().ReadyState() : 4; }

void QtPlatform::WebFocus() {
  if (window_) window_->Web().Focus();
}

void QtPlatform::WebConfine(const std::string& gameFolder, const std::string& pageFile) {
  if (window_) window_->Web().Confine(gameFolder, pageFile);
}

void QtPlatform::OpenUrl(const std::string& url) {
  if (recording) opened.push_back(url);
  if (openInBrowser) QDesktopServices::openUrl(QUrl(QString::fromUtf8(Utf8FromCp1252(url))));
}

void QtPlatform::ShowError(const std::string& text) {
  if (onError) {
    onError(text);
    return;
  }
  QMessageBox::critical(window_, QStringLiteral("Lumora"), QStringFromCp1252(text));
}

void QtPlatform::RequestExit() {
  if (form_) form_->exitRequested = true;
}

Audio& QtPlatform::TheAudio() {
  if (!audio_) audio_ = MakeDeviceAudio();
  return *audio_;
}

std::string QtPlatform::MusicOpen(const std::string& path) { return TheAudio().MusicOpen(path); }
std::string QtPlatform::MusicPlay() { return TheAudio().MusicPlay(); }
void QtPlatform::MusicVolume(int level) { TheAudio().MusicVolume(level); }
void QtPlatform::SoundPlay(const std::string& path, bool wait) { TheAudio().SoundPlay(path, wait); }
int64_t QtPlatform::SoundLeftMs() { return TheAudio().SoundLeftMs(); }
void QtPlatform::SoundStop() { TheAudio().SoundStop(); }
void QtPlatform::BringToFront() {
  if (!window_) return;
  window_->raise();
  window_->activateWindow();
}

// The generic data folder (XDG_DATA_HOME) plus the program's own name, not the
// application's: started through a link named after a game, the application is
// named after the game, and every game's state belongs under one "lumora".
std::string PlayerDataFolder() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (base.isEmpty()) return {};
  return (base + QStringLiteral("/lumora/")).toStdString();
}

std::string QtPlatform::UserDataFolder() { return PlayerDataFolder(); }

std::string QtPlatform::WindowPicturePng() {
  if (!window_) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  // Small enough for a list of slots to load at once.
  const QImage shot = window_->grab().toImage().scaledToWidth(320, Qt::SmoothTransformation);
  if (!shot.save(&buffer, "PNG")) return {};
  return bytes.toStdString();
}

bool QtPlatform::CanWriteFolder(const std::string& folder) { return FolderWritable(folder); }

void QtPlatform::StartIdleTimer(int intervalMs, std::function<void()> tick) {
  idleTick_ = std::move(tick);
  if (!idleConnected_) {
    idleConnected_ = true;
    QObject::connect(&idleTimer_, &QTimer::timeout, [this] {
      // In the background the rain stands still. The tick may stop the timer:
      // it runs on a copy.
      if (QGuiApplication::applicationState() != Qt::ApplicationActive || !idleTick_) return;
      const auto tick = idleTick_;
      tick();
    });
  }
  // Never 0: a zero-interval Qt timer fires whenever the queue is empty, a busy loop.
  idleTimer_.start(std::max(1, intervalMs));
}

bool QtPlatform::SpeechAvailable() {
  if (!speechLoaded_) {
    speechLoaded_ = true;
    speech_ = LoadSpeech();
  }
  return speech_ && speech_->Available();
}

void QtPlatform::Speak(const std::string& text) {
  if (recording) spoken.push_back(text);
  if (SpeechAvailable()) speech_->Say(QStringFromCp1252(text));
}

void QtPlatform::StopSpeaking() {
  if (recording) spoken.emplace_back();
  if (speech_) speech_->Stop();
}

void QtPlatform::StopIdleTimer() {
  idleTimer_.stop();
  idleTick_ = nullptr;
}

}  // namespace lumora
