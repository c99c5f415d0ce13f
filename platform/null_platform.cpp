// The platform without a window system.
#include "platform/null_platform.h"

#include <algorithm>

#include "core/paths.h"

namespace lumora {

void NullPlatform::ProcessMessages(PlayerInput input) {
  ++processCount;
  if (input == PlayerInput::Delivered && oncePlayer_) {
    auto fn = std::move(oncePlayer_);
    oncePlayer_ = nullptr;
    fn();
  }
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

bool NullPlatform::CanWriteFolder(const std::string& folder) {
  return std::find(readOnlyFolders.begin(), readOnlyFolders.end(), folder) == readOnlyFolders.end() &&
         FolderWritable(folder);
}

void NullPlatform::StartIdleTimer(int intervalMs, std::function<void()> tick) {
  timerInterval = intervalMs;  // as asked: a test sees a zero interval
  timerTick = std::move(tick);
  timerDue = clock + std::max(1, timerInterval);
}

void NullPlatform::Advance(int64_t ms) {
  const int64_t end = clock + std::max<int64_t>(0, ms);
  // Time that passed while a script ran (pauses, typing) gives no ticks to
  // catch up: the next one comes an interval after the script.
  if (timerTick && timerDue <= clock) timerDue = clock + std::max(1, timerInterval);
  while (timerTick && timerDue <= end) {
    clock = timerDue;
    timerDue += std::max(1, timerInterval);
    const auto tick = timerTick;  // the tick may stop or restart the timer
    tick();
  }
  clock = end;
}

void NullPlatform::OnceDuringProcessMessages(std::function<void()> fn) { once_ = std::move(fn); }
void NullPlatform::OnceWhenPlayerActs(std::function<void()> fn) { oncePlayer_ = std::move(fn); }

}  // namespace lumora
