// The recording test platform.
#include "support/fake_platform.h"

#include "form/components.h"

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

void FakePlatform::RepaintNow(const Control& control) {
  ++repaintCount;
  repainted.emplace_back(control.name);
}

void FakePlatform::OnceDuringProcessMessages(std::function<void()> fn) { once_ = std::move(fn); }

}  // namespace lumora::testing
