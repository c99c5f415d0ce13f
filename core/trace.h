// The trace sink: every diagnostic line of the interpreter ends here.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace lumora {

// Discards the line unless a sink was installed (--trace, the walkthrough's JSON).
void Trace(std::string_view line);

namespace detail {
extern size_t traceListeners;  // how many listeners are installed
}
// Whether any listener watches the trace: a remark that is costly to build (a
// label line's references scan the whole script) is built only then. Asked on
// every line of every loop, so it reads a counter in place.
inline bool TraceListened() { return detail::traceListeners != 0; }

// Several listeners may watch the trace; each gets every line, Windows-1252.
using TraceListener = std::function<void(std::string_view)>;

// The script (name without ".scp") whose lines the trace lines now come from,
// kept by the interpreter as scripts change. A writer may head each change with
// it; the trace lines themselves never carry it.
void SetTraceScript(std::string_view name);
const std::string& TraceScript();
int AddTraceListener(TraceListener listener);
void RemoveTraceListener(int id);

}  // namespace lumora
