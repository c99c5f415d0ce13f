// The interpreter's look at whether the program is to end.
#include "script/stop_poll.h"

#include "core/stop_request.h"

namespace lumora {

void PollStop(TForm1& f) {
  if (ExitDue(f.platform, f.exitRequested)) throw RunStopped();
}

void StopIfExitRequested(TForm1& f) {
  if (f.exitRequested) throw RunStopped();
}

}  // namespace lumora
