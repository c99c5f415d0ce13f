// The interpreter's look at whether the program is to end.
#include "script/stop_poll.h"

#include <chrono>

#include "core/stop_request.h"

namespace lumora {
namespace {

// A close request is fetched from the window system at most this often: it
// costs an event-queue pass, far more than the atomic load.
constexpr auto kCloseCheckInterval = std::chrono::milliseconds(100);

}  // namespace

void PollStop(TForm1& f) {
  if (StopRequested()) f.exitRequested = true;
  static auto lastCloseCheck = std::chrono::steady_clock::now();
  const auto now = std::chrono::steady_clock::now();
  if (!f.exitRequested && now - lastCloseCheck >= kCloseCheckInterval) {
    lastCloseCheck = now;
    f.platform.NoticeCloseRequest();
  }
  StopIfExitRequested(f);
}

void StopIfExitRequested(TForm1& f) {
  if (f.exitRequested) throw RunStopped();
}

}  // namespace lumora
