// The trace sink: every diagnostic line of the interpreter ends here.
#pragma once
#include <functional>
#include <string_view>

namespace lumora {

// Discards the line unless a sink was installed (--trace, the walkthrough's JSON).
void Trace(std::string_view line);

// Whether any listener watches the trace: a remark that is costly to build (a
// label line's references scan the whole script) is built only then.
bool TraceListened();

// Several listeners may watch the trace; each gets every line, Windows-1252.
using TraceListener = std::function<void(std::string_view)>;
int AddTraceListener(TraceListener listener);
void RemoveTraceListener(int id);

}  // namespace lumora
