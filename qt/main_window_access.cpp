// The window's part in play for everyone: names for screen readers, the keys
// that walk and click the focus ring over the clickable areas, reading aloud,
// and the zoom.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "input/keyboard_focus.h"
#include "input/window_zoom.h"
#include "qt/accessible_names.h"
#include "qt/main_window.h"
#include "view/read_aloud.h"

namespace lumora {
namespace {

// The keys that click the area in the focus ring.
bool IsClickKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; }

// Ctrl+plus, Ctrl+minus and Ctrl+0: the step they ask of the zoom (0 for back
// to the zoom the window started with), or none. Plus is also the key it
// shares with "=", unshifted, and the keypad's.
std::optional<int> ZoomStep(const QKeyEvent& e) {
  if (!(e.modifiers() & Qt::ControlModifier)) return std::nullopt;
  switch (e.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return 1;
    case Qt::Key_Minus: return -1;
    case Qt::Key_0: return 0;
    default: return std::nullopt;
  }
}

// F5, F9, Ctrl+Z and Ctrl+Shift+Z; in an input line holding text, Ctrl+Z and
// Ctrl+Shift+Z are the line's own undo and redo of the typing while it has
// any to give.
MainWindow::BetweenRuns BetweenRunsKey(const QKeyEvent& e) {
  using B = MainWindow::BetweenRuns;
  if (e.isAutoRepeat() || e.modifiers() & Qt::AltModifier) return B::None;
  const bool ctrl = e.modifiers() & Qt::ControlModifier;
  if (!ctrl && e.key() == Qt::Key_F5) return B::Save;
  if (!ctrl && e.key() == Qt::Key_F9) return B::Restore;
  if (!ctrl || e.key() != Qt::Key_Z) return B::None;
  // The focus widget, not the receiver: the window's own window object sees
  // the key before the line does.
  const auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  const bool redo = e.modifiers() & Qt::ShiftModifier;
  if (line && !line->text().isEmpty() && (redo ? line->isRedoAvailable() : line->isUndoAvailable())) return B::None;
  return redo ? B::Redo : B::Undo;
}

// Sees the window's keys first: the zoom keys wherever the keyboard's focus
// is (the input line, the web view, the window), and Tab and Shift+Tab on the
// window's own widgets, before Qt moves its focus with them (in the web page
// Tab walks the page's links). The receiver is only compared, never asked
// anything: the web engine hands keys to its own objects while they are being
// built or torn down.
class WindowKeys : public QObject {
 public:
  WindowKeys(MainWindow* window, std::vector<QObject*> tabbed, std::function<void(bool)> tab)
      : QObject(window), window_(window), tabbed_(std::move(tabbed)), tab_(std::move(tab)) {}
  std::function<void(MainWindow::BetweenRuns)> onBetweenRuns;  // F5, F9, Ctrl+Z or Ctrl+Shift+Z in the window
  std::function<void()> onInspector;  // F12 in the window or in the inspector beside it

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(e);
    // The save and restore panels, undo and redo, from wherever the keyboard
    // is in the window (the web page included); not from a dialog over it.
    const MainWindow::BetweenRuns asked = BetweenRunsKey(*key);
    if (asked != MainWindow::BetweenRuns::None && QApplication::activeModalWidget() == nullptr &&
        QApplication::activeWindow() == window_) {
      onBetweenRuns(asked);
      return true;
    }
    if (key->key() == Qt::Key_F12 && !key->isAutoRepeat() && !(key->modifiers() & ~Qt::KeypadModifier) &&
        QApplication::activeModalWidget() == nullptr && OursOrBeside(QApplication::activeWindow())) {
      onInspector();
      return true;
    }
    if (const std::optional<int> step = ZoomStep(*key)) {
      window_->SetZoom(*step == 0 ? window_->startZoom : window_->Zoom() + *step);
      return true;
    }
    const bool tabKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tabKey || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (std::find(tabbed_.begin(), tabbed_.end(), watched) == tabbed_.end()) return false;
    tab_(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
    return true;
  }

 private:
  // The game's window, or a window of its own beside it (the inspector).
  bool OursOrBeside(const QWidget* active) const {
    return active && (active == window_ || active->parentWidget() == window_);
  }
  MainWindow* window_;
  std::vector<QObject*> tabbed_;
  std::function<void(bool)> tab_;
};

}  // namespace

void MainWindow::WatchKeys() {
  std::vector<QObject*> tabbed{this, w_.input, w_.msg, w_.msgMd0, w_.sbox2};
  auto* keys = new WindowKeys(this, std::move(tabbed), [this](bool forward) { TabPressed(forward); });
  keys->onBetweenRuns = [this](BetweenRuns what) { AskBetweenRuns(what); };
  keys->onInspector = [this] { ToggleInspector(); };
  qApp->installEventFilter(keys);
}

void MainWindow::SetZoom(int zoom) {
  const QScreen* on = screen();
  const QRect area = on ? on->availableGeometry() : QRect();
  if (!ZoomWindow(f_, zoom, {area.x(), area.y(), area.width(), area.height()})) return;
  view_.SetZoom(f_.zoom);
  Sync();
}

void MainWindow::SetAccessibleNames() {
  const struct {
    QWidget* w;
    const char* name;
    QAccessible::Role role;
  } names[] = {
      {w_.msg, QT_TRANSLATE_NOOP("Window", "Message"), QAccessible::StaticText},
      {w_.msgMd0, QT_TRANSLATE_NOOP("Window", "Text"), QAccessible::StaticText},
      {w_.input, QT_TRANSLATE_NOOP("Window", "Command"), QAccessible::EditableText},
      {w_.btFim, QT_TRANSLATE_NOOP("Window", "Quit"), QAccessible::Button},
      {w_.webPage, QT_TRANSLATE_NOOP("Window", "Page"), QAccessible::Document},
      {w_.sbox2, QT_TRANSLATE_NOOP("Window", "Page"), QAccessible::Document},
      {w_.tela, QT_TRANSLATE_NOOP("Window", "Screen"), QAccessible::Graphic},
      {w_.telCmd, QT_TRANSLATE_NOOP("Window", "Panel"), QAccessible::Graphic},
      {w_.telAber, QT_TRANSLATE_NOOP("Window", "Opening"), QAccessible::Graphic},
      {w_.notice, QT_TRANSLATE_NOOP("Window", "Notice"), QAccessible::StaticText},
  };
  for (const auto& n : names) NameForScreenReaders(n.w, n.name, n.role);
  setAccessibleName(windowTitle());
}

void MainWindow::TabPressed(bool forward) {
  Enter([this, forward] { MoveKeyFocus(f_, forward); });
}

bool MainWindow::focusNextPrevChild(bool) {
  setFocus(Qt::OtherFocusReason);
  return true;
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
  if (e->isAutoRepeat()) return QWidget::keyPressEvent(e);
  if (e->key() == Qt::Key_F6) {
    Enter([this] { ToggleReadAloud(f_); });
    return;
  }
  if (IsClickKey(e->key())) {
    bool taken = false;
    Enter([this, &taken] { taken = KeyFocusPress(f_); });
    if (taken) return;
    if (KeyStartsGame(f_)) {
      // One click, its double-click interval over at once.
      OpeningClick();
      OpeningClickInterval();
      return;
    }
  }
  QWidget::keyPressEvent(e);
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat() && IsClickKey(e->key())) {
    bool taken = false;
    Enter([this, &taken] { taken = KeyFocusRelease(f_); });
    if (taken) return;
  }
  QWidget::keyReleaseEvent(e);
}

}  // namespace lumora
