// The trace sink and its listeners.
#include "core/trace.h"

#include <map>

namespace lumora {
namespace {
std::map<int, TraceListener>& Listeners() {
  static std::map<int, TraceListener> listeners;
  return listeners;
}
int next_id = 1;
std::string& CurrentScript() {
  static std::string name;
  return name;
}
}  // namespace

void Trace(std::string_view line) {
  for (auto& [id, listener] : Listeners()) listener(line);
}

namespace detail {
size_t traceListeners = 0;
}

int AddTraceListener(TraceListener listener) {
  Listeners().emplace(next_id, std::move(listener));
  detail::traceListeners = Listeners().size();
  return next_id++;
}

void RemoveTraceListener(int id) {
  Listeners().erase(id);
  detail::traceListeners = Listeners().size();
}

void SetTraceScript(std::string_view name) { CurrentScript().assign(name); }

const std::string& TraceScript() { return CurrentScript(); }

}  // namespace lumora
