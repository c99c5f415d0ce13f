// The trace sink: every listener gets every line while it is installed, and
// whether anyone listens is known, so costly remarks are built only then.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/trace.h"

namespace lumora {
namespace {

TEST(Trace, ListenersGetEveryLineUntilRemoved) {
  ASSERT_FALSE(TraceListened());
  Trace("nobody hears this");
  std::vector<std::string> a, b;
  const int first = AddTraceListener([&](std::string_view line) { a.emplace_back(line); });
  const int second = AddTraceListener([&](std::string_view line) { b.emplace_back(line); });
  EXPECT_TRUE(TraceListened());
  Trace("um");
  RemoveTraceListener(first);
  EXPECT_TRUE(TraceListened());
  Trace("dois");
  RemoveTraceListener(second);
  EXPECT_FALSE(TraceListened());
  Trace("tr\xEAs");
  EXPECT_EQ(a, (std::vector<std::string>{"um"}));
  EXPECT_EQ(b, (std::vector<std::string>{"um", "dois"}));
}

}  // namespace
}  // namespace lumora
