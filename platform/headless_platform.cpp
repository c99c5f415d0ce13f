// Headless runs: the null platform's clock behind the real widgets.
#include "platform/headless_platform.h"

#include <QThread>
#include <algorithm>

#include "platform/recording_audio.h"
#include "qt/main_window.h"

namespace lumora {

HeadlessPlatform::HeadlessPlatform() {
  audio_ = std::make_unique<RecordingAudio>([this] { return null_.clock; });
}

void HeadlessPlatform::Sleep(int ms) {
  if (ms <= 0) return;
  null_.Sleep(ms);
  // A page still loading in the real web view needs real time to get anywhere;
  // a short real sleep per virtual one lets its wait loop see it finish.
  if (window_ && window_->Web().Widget() && window_->Web().ReadyState() < 4)
    QThread::msleep(static_cast<unsigned long>(std::min(ms, 10)));
}

}  // namespace lumora
