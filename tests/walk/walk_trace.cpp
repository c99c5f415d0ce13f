// The whole --trace of a game that uses every command the interpreter knows,
// compared with the trace kept when it was first made: work on the interpreter's
// speed must not change a byte of what an author reads. The script heads the
// --trace writer adds are checked on their own.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  // The writer heads each change of script with its name; between the heads
  // the interpreter's lines are exactly the kept ones.
  QList<QByteArray> gotLines;
  std::vector<std::string> heads;
  for (const QByteArray& line : got.readAll().split('\n')) {
    if (line.startsWith("### ")) heads.push_back(line.mid(4).toStdString());
    else gotLines << line;
  }
  const QList<QByteArray> wantLines = want.readAll().split('\n');
  // The opening run: a subroutine in another script and back, then "script";
  // each typed command its script; the resumed game the same way once more.
  const std::vector<std::string> wantHeads = {"start.scp", "outro.scp", "start.scp", "sala.scp",  "olhar.scp", "porta.scp",
                                              "novos.scp", "start.scp", "outro.scp", "start.scp", "sala.scp"};
  EXPECT_EQ(heads, wantHeads);
  for (qsizetype i = 0; i < std::min(gotLines.size(), wantLines.size()); ++i)
    ASSERT_EQ(gotLines[i].toStdString(), wantLines[i].toStdString()) << "line " << i + 1;
  EXPECT_EQ(gotLines.size(), wantLines.size());
}

}  // namespace
}  // namespace lumora::testing
