// Headless runs: the null platform's clock behind the real widgets.
#include "platform/headless_platform.h"

#include <algorithm>

#include "platform/recording_audio.h"
#include "qt/main_window.h"

namespace lumora {

HeadlessPlatform::HeadlessPlatform() {
  audio_ = std::make_unique<RecordingAudio>([this] { return null_.clock; });
}

// Up to a hundredth of a second of real time per wait: enough for the page's
// wait loop to see it finish soon after it does.
void HeadlessPlatform::WaitForMessages(PlayerInput input, int ms) {
  if (window_ && window_->Web().Widget() && window_->Web().ReadyState() < 4)
    QtPlatform::WaitForMessages(input, std::min(ms, 10));
  else
    ProcessMessages(input);
  null_.Sleep(ms);
}

}  // namespace lumora
