// The virtual clock of headless runs, and the idle timer that ticks off it.
#include "platform/headless_platform.h"

#include <QThread>
#include <algorithm>

#include "platform/recording_audio.h"
#include "qt/main_window.h"

namespace lumora {

HeadlessPlatform::HeadlessPlatform() {
  audio_ = std::make_unique<RecordingAudio>([this] { return now_; });
}

void HeadlessPlatform::Sleep(int ms) {
  if (ms <= 0) return;
  now_ += ms;
  // A page still loading in the real web view needs real time to get anywhere;
  // a short real sleep per virtual one lets its wait loop see it finish.
  if (window_ && window_->Web().Widget() && window_->Web().ReadyState() < 4)
    QThread::msleep(static_cast<unsigned long>(std::min(ms, 10)));
}

void HeadlessPlatform::StartIdleTimer(int intervalMs, std::function<void()> tick) {
  idleTick_ = std::move(tick);
  idleInterval_ = std::max(1, intervalMs);
  idleDue_ = now_ + idleInterval_;
}

void HeadlessPlatform::StopIdleTimer() { idleTick_ = nullptr; }

void HeadlessPlatform::Advance(int64_t ms) {
  const int64_t end = now_ + std::max<int64_t>(0, ms);
  // Time that passed while a script ran (pauses, typing) gives no ticks to
  // catch up: the next one comes an interval after the script.
  if (idleTick_ && idleDue_ <= now_) idleDue_ = now_ + idleInterval_;
  while (idleTick_ && idleDue_ <= end) {
    now_ = idleDue_;
    idleDue_ += idleInterval_;
    const auto tick = idleTick_;  // the tick may stop or restart the timer
    tick();
  }
  now_ = end;
}

}  // namespace lumora
