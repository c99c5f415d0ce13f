// The stop request: one atomic flag shared with the signal handlers.
#include "core/stop_request.h"

#include <atomic>
#include <csignal>

#include "core/platform.h"

namespace lumora {
namespace {

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler may only touch a lock-free atomic");

extern "C" void OnStopSignal(int) { g_stop.store(true, std::memory_order_relaxed); }

}  // namespace

bool StopRequested() { return g_stop.load(std::memory_order_relaxed); }
void ClearStopRequest() { g_stop.store(false, std::memory_order_relaxed); }

bool ExitDue(Platform& platform, bool& exitRequested) {
  if (StopRequested()) exitRequested = true;
  if (!exitRequested) platform.NoticeCloseRequest();
  return exitRequested;
}

void InstallStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

}  // namespace lumora
