// The session recorder: the window's events read back into walkthrough verbs.
#include "app/recorder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>
#include <QWheelEvent>

#include "app/walkthrough.h"
#include "core/strings.h"
#include "form/form1.h"
#include "form/surfaces.h"
#include "qt/main_window.h"

namespace lumora {
namespace {

// Shorter pauses are the hand's own pace, not the player waiting for the game.
constexpr qint64 kLeastWait = 50;

// A link followed, as the walkthrough names it: a script reference by itself,
// any other address whole.
std::string LinkLine(const std::string& reported, const TForm1& f) {
  const std::string scripts = f.gameFolderUrl + "Scp=";
  if (!StartsWith(reported, scripts)) return "follow " + reported;
  return "link " + QUrl::fromPercentEncoding(QByteArray::fromStdString(reported.substr(scripts.size()))).toStdString();
}

}  // namespace

Recorder::Recorder(const std::string& path) : out_(path, std::ios::binary) {
  // Replayed as recorded from the state the game ships with, the game's own
  // files untouched: --fresh, or kept with others for --play-all.
  out_ << "# recorded by lumora --record; replay it with lumora --fresh --play FILE GAME,\n"
          "# or keep it as FOLDER/NAME.walk for lumora --play-all FOLDER GAME\n";
  out_.flush();
  qApp->installEventFilter(this);
}

Recorder::~Recorder() { qApp->removeEventFilter(this); }

void Recorder::Attach(MainWindow& window, TForm1& form) {
  window_ = &window;
  form_ = &form;
  sinceLast_.start();
  window.onPlayerAction = [this](const std::string& line) {
    Write(StartsWith(line, "follow ") ? LinkLine(line.substr(7), *form_) : line);
  };
}

void Recorder::Detach() {
  if (window_) window_->onPlayerAction = nullptr;
  window_ = nullptr;
  form_ = nullptr;
}

void Recorder::Write(const std::string& line) {
  // Given while a script runs (its pause, its page load): the walkthrough's
  // "> " gives it at the same point of the run.
  if (form_ && form_->runDepth > 0) {
    out_ << "> " << line << "\n";
  } else {
    const qint64 ms = sinceLast_.isValid() ? sinceLast_.elapsed() : 0;
    if (ms >= kLeastWait) out_ << "wait " << (ms + 5) / 10 * 10 << "\n";
    out_ << line << "\n";
  }
  out_.flush();
  sinceLast_.restart();
}

std::string Recorder::SurfaceWord(QWidget* widget) const {
  if (widget == window_->Widgets().btFim) return "quit";
  size_t count = 0;
  const SurfaceRow* rows = SurfaceRows(count);
  for (size_t i = 0; i < count; ++i) {
    // The opening picture's clicks are the window's own (start, resume).
    if (rows[i].id == SurfaceId::TelAber || !rows[i].automationWord) continue;
    if (window_->SurfaceWidget(rows[i].id) == widget) return rows[i].automationWord;
  }
  return "";
}

bool Recorder::eventFilter(QObject* watched, QEvent* e) {
  const QEvent::Type type = e->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease && type != QEvent::KeyPress && type != QEvent::Wheel)
    return false;
  // Read where the event first reaches a widget of the game's window (one a
  // widget leaves unused goes on to its parents): keys at the widget with the
  // keyboard, clicks at a surface, the wheel at the widget under the pointer.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!window_ || !widget || widget->window() != window_) return false;
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: Mouse(widget, e); break;
    case QEvent::KeyPress: Key(widget, e); break;
    case QEvent::Wheel: {
      const auto* w = static_cast<QWheelEvent*>(e);
      const QPoint inWindow = window_->mapFromGlobal(w->globalPosition()).toPoint();
      QWidget* under = window_->childAt(inWindow);
      if (widget != (under ? under : window_)) break;
      const QPoint at = inWindow / window_->Zoom();
      Write("wheel " + IntToStr(w->angleDelta().y()) + " " + IntToStr(at.x()) + " " + IntToStr(at.y()));
      break;
    }
    default: break;
  }
  return false;
}

void Recorder::Mouse(QWidget* widget, QEvent* e) {
  const auto* m = static_cast<QMouseEvent*>(e);
  if (m->button() != Qt::LeftButton) return;
  const std::string word = SurfaceWord(widget);
  if (word.empty()) return;
  const QPoint at = m->position().toPoint() / window_->Zoom();
  const std::string where = IntToStr(at.x()) + " " + IntToStr(at.y());
  if (e->type() != QEvent::MouseButtonRelease) {
    pressedOn_ = word;
    pressedAt_ = at;
    return;
  }
  if (pressedOn_ != word) {
    Write("release " + word + " " + where);
  } else if (pressedAt_ == at) {
    Write("click " + word + " " + where);
  } else {
    Write("drag " + word + " " + IntToStr(pressedAt_.x()) + " " + IntToStr(pressedAt_.y()) + " " + where);
  }
  pressedOn_.clear();
}

void Recorder::Key(QWidget* widget, QEvent* e) {
  const auto* k = static_cast<QKeyEvent*>(e);
  QWidget* focus = QApplication::focusWidget();
  if (widget != (focus ? focus : window_)) return;
  const bool inInput = widget == window_->Widgets().input;
  if (inInput && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
    Write(Trim("type " + window_->Widgets().input->text().toStdString()));
    return;
  }
  // Text typed into the input line is written with its Enter, as one line.
  if (inInput && !k->text().isEmpty() && k->text()[0].isPrint()) return;
  const Qt::KeyboardModifiers modifiers = k->modifiers() & ~Qt::KeypadModifier;
  for (const WalkKey& w : WalkKeys())
    if (w.key == k->key() && w.modifiers == modifiers) return Write(std::string("key ") + w.word);
}

}  // namespace lumora
