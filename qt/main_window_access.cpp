// The window's part in play for everyone: names for screen readers, the
// keyboard's focus ring over the clickable areas, reading aloud, and the zoom.
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "core/text1252.h"
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

// Sees the zoom keys first, wherever the keyboard's focus is: on the input
// line, in the web view or on the window. The program has the one window, so
// the receiver is not asked which window it belongs to: the web engine hands
// keys to its own objects while they are being built or torn down.
class ZoomKeys : public QObject {
 public:
  explicit ZoomKeys(MainWindow* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    const std::optional<int> step = ZoomStep(*static_cast<QKeyEvent*>(e));
    if (!step) return false;
    window_->SetZoom(*step == 0 ? window_->startZoom : window_->Zoom() + *step);
    return true;
  }

 private:
  MainWindow* window_;
};

}  // namespace

void MainWindow::WatchZoomKeys() { qApp->installEventFilter(new ZoomKeys(this)); }

void MainWindow::SetZoom(int zoom) {
  const QScreen* on = screen();
  const QRect area = on ? on->availableGeometry() : QRect();
  if (ZoomWindow(f_, zoom, {area.x(), area.y(), area.width(), area.height()})) ShowZoom();
}

void MainWindow::ShowZoom() {
  zoom_ = f_.zoom;
  for (ImageWidget* w : {imp_, btFim_, telCmd_, tela_, tela3_, mapJog_, voce_, telAber_}) {
    w->zoom = zoom_;
    w->update();
  }
  for (MemoWidget* m : {msg_, msgMd0_}) m->document()->setDocumentMargin(zoom_);
  web_->SetZoom(zoom_);
  shownShape_ = QRegion();  // the outline is scaled again
  Sync();
}

void MainWindow::SetAccessibleNames() {
  const struct {
    QWidget* w;
    const char* name;
    QAccessible::Role role;
  } names[] = {
      {msg_, "Mensagem", QAccessible::StaticText}, {msgMd0_, "Texto", QAccessible::StaticText},
      {input_, "Comando", QAccessible::EditableText}, {btFim_, "Sair", QAccessible::Button},
      {webPage_, "P\xC3\xA1gina", QAccessible::Document}, {sbox2_, "P\xC3\xA1gina", QAccessible::Document},
      {tela_, "Tela", QAccessible::Graphic}, {telCmd_, "Painel", QAccessible::Graphic},
      {telAber_, "Abertura", QAccessible::Graphic}, {notice_, "Aviso", QAccessible::StaticText},
  };
  for (const auto& n : names) NameForScreenReaders(n.w, n.name, n.role);
  setAccessibleName(windowTitle());
}

void MainWindow::SyncFocusRing() {
  const int area = KeyFocusedArea(f_);
  const MouseSurface on = area >= 0 ? SurfaceOfArea(f_, area) : MouseSurface::Tela;
  const struct {
    ImageWidget* w;
    MouseSurface s;
  } surfaces[] = {{tela_, MouseSurface::Tela}, {telCmd_, MouseSurface::TelCmd}, {imp_, MouseSurface::Imp},
                  {telAber_, MouseSurface::TelAber}, {tela3_, MouseSurface::Tela3}};
  for (const auto& [w, s] : surfaces) {
    QRect ring;
    if (area >= 0 && s == on) {
      const LinkRecord& r = f_.links.records[static_cast<size_t>(area)];
      ring = QRect(r.left, r.top, r.width + 1, r.height + 1);  // the area's bounds are inclusive
    }
    if (w->focusRing == ring) continue;
    w->focusRing = ring;
    w->update();
  }
}

void MainWindow::SyncReadAloud() {
  ReadNewTexts(f_);
  if (f_.readAloud.notice.empty()) return;
  notice_->setText(QStringFromCp1252(f_.readAloud.notice));
  f_.readAloud.notice.clear();
  notice_->adjustSize();
  notice_->move(std::max(0, (width() - notice_->width()) / 2), 8);
  notice_->raise();
  notice_->show();
  noticeTimer_.start(5000);
}

bool MainWindow::focusNextPrevChild(bool next) {
  int area = -1;
  Enter([&] { area = MoveKeyFocus(f_, next); });
  // Off the areas the input line takes the keys again.
  if (area >= 0) setFocus();
  else if (f_.Input.visible) input_->setFocus();
  SyncFocusRing();
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
    Enter([&] { taken = KeyFocusPress(f_); });
    keyPressTaken_ = taken;
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
  if (!e->isAutoRepeat() && IsClickKey(e->key()) && keyPressTaken_) {
    keyPressTaken_ = false;
    Enter([this] { KeyFocusRelease(f_); });
    return;
  }
  QWidget::keyReleaseEvent(e);
}

}  // namespace lumora
