// The whole --trace of a game that uses every command the interpreter knows,
// compared with the trace kept when it was first made: work on the interpreter's
// speed must not change a byte of what an author reads.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

TEST(WalkTrace, EveryCommandTracesAsItAlwaysHas) {
  QTemporaryDir out;
  const QString traceFile = out.path() + "/traced.trace";
  const WalkResult r = PlayWalk("traced", GameWalkthrough("traced"), {"--trace=" + traceFile});
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  QFile got(traceFile), want(QStringLiteral(LUMORA_GAMES) + "/traced.trace");
  ASSERT_TRUE(got.open(QIODevice::ReadOnly));
  ASSERT_TRUE(want.open(QIODevice::ReadOnly)) << "the kept trace is missing";
  const QList<QByteArray> gotLines = got.readAll().split('\n'), wantLines = want.readAll().split('\n');
  for (qsizetype i = 0; i < std::min(gotLines.size(), wantLines.size()); ++i)
    ASSERT_EQ(gotLines[i].toStdString(), wantLines[i].toStdString()) << "line " << i + 1;
  EXPECT_EQ(gotLines.size(), wantLines.size());
}

}  // namespace
}  // namespace lumora::testing
