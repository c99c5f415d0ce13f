// The memos' widget: an ordinary text is shown whole; of a huge one only the
// part a player can see is laid out, the model keeping the whole text.
#include <gtest/gtest.h>

#include "qt/widgets.h"

namespace lumora {
namespace {

constexpr size_t kBound = MemoWidget::kShownChars;

// What the widget holds, with the invisible break opportunities left out.
QString Shown(const MemoWidget& w) { return w.toPlainText().remove(QChar(0x200B)); }

TEST(MemoWidget, ShowsAnOrdinaryTextWholeAndOnlyTheVisiblePartOfAHugeOne) {
  std::string words;
  while (words.size() < 20u << 20) words += "palavra ";
  const struct {
    bool followEnd;
    std::string text;
    QString starts, ends;  // the document's first and last characters
  } cases[] = {
      {false, "Bem-vindo.\r\nUma sala escura.", "Bem-vindo.\nUma", "sala escura."},
      {true, "Bem-vindo.\r\nUma sala escura.", "Bem-vindo.\nUma", "sala escura."},
      // The message line shows the start of a 20 MB message, the typed memo
      // its last lines; a line cut is never the first one shown.
      {false, "primeira linha\r\n" + words + "\r\n\xFAltima linha", "primeira linha\npalavra", "palavra "},
      {true, "primeira linha\r\n" + words + "\r\n" + words.substr(0, 1000) + "\r\n\xFAltima linha",
       "palavra palavra", QString::fromUtf8("palavra \núltima linha")},
  };
  for (const auto& c : cases) {
    Memo memo;
    memo.text = c.text;
    MemoWidget w(memo, nullptr);
    w.followEnd = c.followEnd;
    w.SyncText();
    const QString shown = Shown(w);
    EXPECT_LE(static_cast<size_t>(shown.size()), kBound) << c.followEnd;
    if (c.text.size() < kBound) {
      EXPECT_EQ(shown.size(), static_cast<qsizetype>(c.text.size()) - 1);  // one CR LF
    }
    EXPECT_TRUE(shown.startsWith(c.starts)) << c.followEnd << ": " << shown.left(40).toStdString();
    EXPECT_TRUE(shown.endsWith(c.ends)) << c.followEnd << ": " << shown.right(40).toStdString();
    EXPECT_EQ(memo.text, c.text);  // the model keeps the whole text
  }
}

TEST(MemoWidget, ATypedTextGrowingPastTheBoundKeepsItsEndAndStaysBounded) {
  Memo memo;
  MemoWidget w(memo, nullptr);
  w.followEnd = true;
  for (int i = 0; memo.text.size() < 3 * kBound; ++i) {
    memo.text += std::to_string(i) + std::string(1000, '.') + "\r\n";
    w.SyncText();
    // Twice the bound at most, and a break opportunity in every 64 dots.
    ASSERT_LE(static_cast<size_t>(w.document()->characterCount()), 2 * kBound + 2 * kBound / 64 + 1) << i;
  }
  const QString shown = Shown(w);
  const std::string last = memo.text.substr(memo.text.size() - 40);
  EXPECT_TRUE(shown.endsWith(QString::fromLatin1(last).replace("\r\n", "\n"))) << shown.right(40).toStdString();
  // A text replaced by a short one is shown whole again.
  memo.text = "outra";
  w.SyncText();
  EXPECT_EQ(Shown(w), "outra");
}

}  // namespace
}  // namespace lumora
