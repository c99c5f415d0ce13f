// The widgets that show the form model's components.
#include "qt/widgets.h"

#include <QKeyEvent>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>

#include "core/text1252.h"
#include "form/config.h"
#include "view/fonts.h"
#include "view/picture_draw.h"

namespace lumora {

QFont ToQFont(const FontSpec& spec) { return FontForBitmap(spec); }

namespace {

// Kind 9, "no drop": Qt has one forbidden shape, which kind 5 shows, so this
// one is drawn here: an arrow with a small crossed-out circle beside it.
QCursor NoDropCursor() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF arrow[] = {{1, 1}, {1, 17}, {5, 13}, {8, 20}, {10, 19}, {7, 12}, {12, 12}};
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPolygon(arrow, 7);
  p.setPen(QPen(Qt::white, 4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(15, 15, 14, 14));
  p.drawLine(QPointF(18, 26), QPointF(26, 18));
  p.setPen(QPen(Qt::black, 2));
  p.drawEllipse(QRectF(15, 15, 14, 14));
  p.drawLine(QPointF(18, 26), QPointF(26, 18));
  p.end();
  return QCursor(pixmap, 1, 1);
}

}  // namespace

QCursor ToQCursor(Cursor cursor) {
  switch (cursor) {
    case Cursor::Drag: return Qt::DragMoveCursor;
    case Cursor::HandPoint: return Qt::PointingHandCursor;
    case Cursor::HSplit: return Qt::SplitHCursor;
    case Cursor::MultiDrag: return Qt::DragCopyCursor;
    case Cursor::No: return Qt::ForbiddenCursor;
    case Cursor::VSplit: return Qt::SplitVCursor;
    case Cursor::SqlWait: return Qt::BusyCursor;
    case Cursor::Hidden: return Qt::BlankCursor;
    case Cursor::NoDrop: {
      static const QCursor noDrop = NoDropCursor();
      return noDrop;
    }
    case Cursor::HourGlass:
    case Cursor::Wait: return Qt::WaitCursor;
    case Cursor::Cross: return Qt::CrossCursor;
    case Cursor::Help: return Qt::WhatsThisCursor;
    case Cursor::Text: return Qt::IBeamCursor;
    case Cursor::Default:
    case Cursor::Arrow: break;
  }
  return Qt::ArrowCursor;
}

// The shape shown is kept on the widget: a drawn cursor has no shape of its own
// to compare with.
void SetShownCursor(QWidget* w, Cursor cursor) {
  const QVariant shown = w->property("lumoraCursor");
  if (shown.isValid() && shown.toInt() == static_cast<int>(cursor)) return;
  w->setProperty("lumoraCursor", static_cast<int>(cursor));
  w->setCursor(ToQCursor(cursor));
}

ImageWidget::ImageWidget(const ImageBox& b, QWidget* parent) : QWidget(parent), box(b) {
  setMouseTracking(true);
}

const QImage& ImageWidget::Shown() {
  if (!box.transparent || box.picture.isNull()) return box.picture;
  if (keyedFrom_ != box.picture.cacheKey()) {
    keyedFrom_ = box.picture.cacheKey();
    keyed_ = WithoutKeyColour(box.picture);
  }
  return keyed_;
}

void ImageWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  shownKey = box.picture.cacheKey();
  if (!box.picture.isNull()) {
    const QImage& picture = Shown();
    if (box.stretch) {
      p.drawImage(rect(), picture);
    } else {
      // Only the part to be painted is enlarged: a rain tick repaints the
      // whole screen, a hover only its corner.
      const QRect dirty = e->rect();
      const QRect source = QRect(Unzoomed(dirty.topLeft(), zoom), Unzoomed(dirty.bottomRight(), zoom)) & picture.rect();
      p.drawImage(Zoomed(source, zoom), picture, source);
    }
  }
  p.scale(zoom, zoom);
  if (!outlines.empty()) {
    p.setPen(QPen(QColor(255, 0, 255), 1, Qt::DashLine));
    for (const QRect& r : outlines) p.drawRect(r.adjusted(0, 0, -1, -1));
  }
  if (focusRing.isEmpty()) return;
  // Black and white dashes: seen on any picture, dark or light.
  const QRect ring = focusRing.adjusted(0, 0, -1, -1);
  p.setPen(QPen(Qt::white, 2));
  p.drawRect(ring);
  p.setPen(QPen(Qt::black, 2, Qt::DashLine));
  p.drawRect(ring);
}

void ImageWidget::mousePressEvent(QMouseEvent* e) {
  const QPoint at = Unzoomed(e->position(), zoom);
  if (handlers.press) handlers.press(at.x(), at.y());
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint at = Unzoomed(e->position(), zoom);
  if (handlers.release) handlers.release(at.x(), at.y());
}

void ImageWidget::mouseMoveEvent(QMouseEvent* e) {
  const QPoint at = Unzoomed(e->position(), zoom);
  if (handlers.move) handlers.move(at.x(), at.y());
}

void ImageWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  const QPoint at = Unzoomed(e->position(), zoom);
  if (handlers.doubleClick) handlers.doubleClick(at.x(), at.y());
}

MemoWidget::MemoWidget(const Memo& m, QWidget* parent) : QPlainTextEdit(parent), memo(m) {
  setReadOnly(true);
  // Shown text, never edited: the document keeps no undo steps for what typing appends.
  setUndoRedoEnabled(false);
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::ClickFocus);
  // A word longer than the line is broken anywhere, as a text box does.
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

namespace {

// Qt lays out a word longer than the line again from its start for every line
// it fills: a megabyte without blanks takes a minute. An invisible break
// opportunity (zero-width space) every so many letters of such a run lets the
// wrap find its place at once; the shown text is otherwise unchanged. `run` is
// the length of the blank-free run the text shown before ends with: typed
// letter by letter, a long word gets its breaks as it would all at once.
QString WithBreakOpportunities(const QString& text, int& run) {
  constexpr int kLongestRun = 64;
  QString out;
  out.reserve(text.size() + text.size() / kLongestRun);
  for (const QChar c : text) {
    run = c.isSpace() ? 0 : run + 1;
    if (run > kLongestRun) {
      out += QChar(0x200B);
      run = 1;
    }
    out += c;
  }
  return out;
}

constexpr size_t kShownChars = MemoWidget::kShownChars;

QString ShownQString(std::string_view bytes, int& run) {
  QString s = QStringFromCp1252(bytes);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return WithBreakOpportunities(s, run);
}

// Where the shown part of a long text begins when the memo follows its end: at
// the first line within the last kShownChars, or that far from the end when
// one line is longer.
size_t TailStart(const std::string& text) {
  if (text.size() <= kShownChars) return 0;
  const size_t from = text.size() - kShownChars;
  const size_t brk = text.find_first_of("\r\n", from);
  if (brk == std::string::npos) return from;
  return brk + (text.compare(brk, 2, "\r\n") == 0 ? 2 : 1);
}

// Where the shown part of a long text ends when the memo shows its top; a CR LF
// is not cut in two.
size_t HeadEnd(const std::string& text) {
  if (text.size() <= kShownChars) return text.size();
  return text.compare(kShownChars - 1, 2, "\r\n") == 0 ? kShownChars - 1 : kShownChars;
}

}  // namespace

void MemoWidget::SyncText() {
  const std::string& text = memo.text;
  const size_t end = shownFrom_ + shown_.size();
  const size_t to = followEnd ? text.size() : HeadEnd(text);
  // The document still holds the text there; what lies before a shown tail is
  // out of sight. Only the shown part is compared, never the whole text.
  const bool kept = end <= text.size() && text.compare(shownFrom_, shown_.size(), shown_) == 0;
  if (kept && to == end) return;
  // A CR LF split between two updates must not become two line breaks; a tail
  // grown to twice the bound starts again from its last kShownChars.
  const bool appended =
      kept && to > end && (shown_.empty() || shown_.back() != '\r') && to - shownFrom_ <= 2 * kShownChars;
  // Marked shown first: the document's signals may bring the model in line again.
  if (appended) {
    shown_.append(text, end, to - end);
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.insertText(ShownQString(std::string_view(text).substr(end, to - end), run_));
  } else {
    shownFrom_ = followEnd ? TailStart(text) : 0;
    shown_.assign(text, shownFrom_, to - shownFrom_);
    run_ = 0;
    setPlainText(ShownQString(shown_, run_));
  }
  moveCursor(followEnd ? QTextCursor::End : QTextCursor::Start);
  ensureCursorVisible();
}

InputWidget::InputWidget(const Edit& e, QWidget* parent) : QLineEdit(parent), edit(e) {
  setFrame(false);
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    // Showing the model's text moves the caret to the end; it goes back where
    // the player left it (the text keeps its length but for characters the
    // code page lacks).
    const int caret = cursorPosition();
    if (onEdited) onEdited(Cp1252FromQString(text));
    SyncText();
    setCursorPosition(std::min(caret, static_cast<int>(this->text().size())));
  });
}

void InputWidget::SyncText() {
  const QString text = QStringFromCp1252(edit.text);
  if (this->text() != text) setText(text);
}

// The key click comes with the press, before the field edits, so it is heard
// as the key goes down.
void InputWidget::keyPressEvent(QKeyEvent* e) {
  if (onKeyDown) onKeyDown(e->key());
  QLineEdit::keyPressEvent(e);
}

void InputWidget::keyReleaseEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat() && onKeyRelease && onKeyRelease(e->key())) return;
  QLineEdit::keyReleaseEvent(e);
}

}  // namespace lumora
