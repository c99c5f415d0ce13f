// The recording test platform.
#include "support/fake_platform.h"

namespace lumora::testing {

void FakePlatform::ProcessMessages() {
  ++processCount;
  if (once_) {
    auto fn = std::move(once_);
    once_ = nullptr;
    fn();
  }
  if (onProcessMessages) {
    auto fn = onProcessMessages;  // the hook may replace itself
    fn();
  }
}

void FakePlatform::OnceDuringProcessMessages(std::function<void()> fn) { once_ = std::move(fn); }

}  // namespace lumora::testing
