// The main window's entries: every event of the window system that the engine
// hears of goes through here, as an engine entry of its own.
#include "qt/main_window.h"
#include "qt/inspector.h"
#include "qt/slot_panel.h"
#include "shell/undo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "core/text1252.h"
#include "input/quit_button.h"
#include "input/typed_command.h"
#include "input/web_navigation.h"
#include "input/window_entries.h"
#include "shell/entry.h"
#include "shell/lifecycle.h"
#include "view/read_aloud.h"

namespace lumora {

MainWindow::MainWindow(TForm1& form, std::unique_ptr<WebBackend> web)
    : f_(form),
      web_(std::move(web)),
      w_(BuildWindowWidgets(this, form)),
      view_(form, *this, w_, *web_),
      queue_(this, [this](const std::function<void()>& entry) { Enter(entry); }) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Lumora: ") + QStringFromCp1252(f_.gameName));
  WireSurfaces();
  WireInput();
  WireMap();
  w_.sbox2->viewport()->installEventFilter(this);
  for (QScrollArea* area : {w_.sbc1, w_.sbox2}) {
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
      connect(bar, &QScrollBar::valueChanged, this, [this, area] { ScrolledByPlayer(area); });
  }
  web_->onLink = [this](const std::string& reported) { FollowLink(reported); };
  // A page's web address opens in the browser, as an area's does; the page stays.
  web_->onWebAddress = [this](const std::string& address) { f_.platform.OpenUrl(address); };
  openingClickTimer_.setSingleShot(true);
  // The end of the double-click interval starts the game: it waits in line
  // like the player's input.
  connect(&openingClickTimer_, &QTimer::timeout, this, [this] { RunOrHold([this] { OpeningClickInterval(); }); });
  WatchFocus();
  SetAccessibleNames();
  WatchKeys();
  Sync();
}

void MainWindow::WireSurfaces() {
  WireSurface(w_.tela, MouseSurface::Tela);
  WireSurface(w_.telCmd, MouseSurface::TelCmd);
  WireSurface(w_.imp, MouseSurface::Imp);
  WireSurface(w_.telAber, MouseSurface::TelAber);
  WireSurface(w_.tela3, MouseSurface::Tela3);
  // The opening picture: its areas and the window drag as on the background,
  // and its own click and double click.
  w_.telAber->handlers.press = [this](int x, int y) {
    Enter([this, x, y] {
      ControlPressed(f_, f_.TelAber);
      SurfaceMouseDown(f_, MouseSurface::TelAber, x, y);
    });
  };
  w_.telAber->handlers.release = [this](int x, int y) {
    bool click = false;
    Enter([this, x, y, &click] {
      click = ControlReleased(f_, f_.TelAber, x, y);
      SurfaceMouseUp(f_, MouseSurface::TelAber, x, y);
    });
    if (click) OpeningClick();
  };
  w_.telAber->handlers.doubleClick = [this](int, int) { OpeningDoubleClick(); };
  w_.btFim->handlers.press = [this](int, int) { Enter([this] { BtFimMouseDown(f_); }); };
  // The button holds the mouse from its press: the release ends the program
  // wherever it lands.
  w_.btFim->handlers.release = [this](int, int) { Enter([this] { BtFimMouseUp(f_); }); };
}

ImageWidget* MainWindow::SurfaceWidget(SurfaceId id) const {
  const ImageBox& box = f_.*Surface(id).control;
  for (ImageWidget* w : w_.Images())
    if (&w->box == &box) return w;
  return nullptr;
}

void MainWindow::WireSurface(ImageWidget* w, MouseSurface s) {
  w->handlers.move = [this, s](int x, int y) { PointerMoved(s, x, y); };
  w->handlers.press = [this, s](int x, int y) { Enter([=, this] { SurfaceMouseDown(f_, s, x, y); }); };
  w->handlers.release = [this, s](int x, int y) { Enter([=, this] { SurfaceMouseUp(f_, s, x, y); }); };
  w->handlers.doubleClick = [this, s](int x, int y) { Enter([=, this] { SurfaceDoubleClick(f_, s, x, y); }); };
}

void MainWindow::WireInput() {
  w_.input->onKeyRelease = [this](int key) {
    const InputKey k = InputKeyOf(key);
    if (k == InputKey::Other) return false;
    Enter([this, k] { InputKeyReleased(f_, k); });
    return true;
  };
  w_.input->onKeyDown = [this](int key) { Enter([this, key] { InputKeyDown(f_, InputKeyOf(key)); }); };
  // A copy of the text: the entry never refers to the caller's frame.
  w_.input->onEdited = [this](const std::string& text) { Enter([this, text] { InputEdited(f_, text); }); };
}

void MainWindow::WireMap() {
  w_.mapJog->handlers.press = [this](int x, int y) { Enter([=, this] { MapJogMouseDown(f_, x, y); }); };
  w_.mapJog->handlers.move = [this](int x, int y) {
    bool scrolled = false;
    Enter([&, x, y] { scrolled = MapJogMouseMove(f_, x, y); });
    if (scrolled) Sync();
  };
  w_.mapJog->handlers.release = [this](int, int) { Enter([this] { MapJogMouseUp(f_); }); };
  w_.voce->handlers.press = [this](int, int) { Enter([this] { ControlPressed(f_, f_.Voce); }); };
  w_.voce->handlers.release = [this](int x, int y) {
    Enter([this, x, y] {
      if (ControlReleased(f_, f_.Voce, x, y)) VoceClick(f_);
    });
  };
}

// The keyboard taken by the player's click (not Qt's own moves, not the
// engine's): the ring goes out, and the window keeps the keyboard there.
// The typed memo hands it on to the input line on keys, clicks and changes.
void MainWindow::WatchFocus() {
  class Watch : public QObject {
   public:
    Watch(MainWindow* window, std::function<void(QEvent*)> onEvent) : QObject(window), onEvent_(std::move(onEvent)) {}

   protected:
    bool eventFilter(QObject*, QEvent* e) override {
      onEvent_(e);
      return false;
    }

   private:
    std::function<void(QEvent*)> onEvent_;
  };
  const struct {
    QWidget* w;
    Focus focus;
  } takers[] = {{w_.input, Focus::Input}, {w_.sbox2, Focus::Sbox2}, {w_.msg, Focus::None}, {w_.webPage, Focus::WebB}};
  for (const auto& t : takers) {
    t.w->installEventFilter(new Watch(this, [this, focus = t.focus](QEvent* e) {
      if (e->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(e)->reason() == Qt::MouseFocusReason)
        Tell([this, focus] { KeyboardTaken(f_, focus); });
    }));
  }
  auto* md0 = new Watch(this, [this](QEvent* e) {
    const auto type = e->type();
    if (type == QEvent::FocusIn || type == QEvent::KeyPress || type == QEvent::MouseButtonRelease)
      Tell([this] { MsgMd0Touched(f_); });
  });
  w_.msgMd0->installEventFilter(md0);
  w_.msgMd0->viewport()->installEventFilter(md0);
  // A change of its text comes from the model being shown: the keyboard moves
  // with the sync already under way, so no entry of its own.
  connect(w_.msgMd0, &QPlainTextEdit::textChanged, this, [this] { MsgMd0PassFocus(f_); });
  // The web page's own widgets take the focus inside its view.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    QWidget* view = web_->Widget();
    if (now && view && view->isAncestorOf(now) && f_.focus != Focus::WebB && QApplication::mouseButtons())
      Tell([this] { KeyboardTaken(f_, Focus::WebB); });
  });
}

MainWindow::~MainWindow() {
  disconnect(qApp, nullptr, this, nullptr);
  // Before the widgets it outlines on go.
  delete inspector_;
}

void MainWindow::Sync() {
  if (WebViewWanted(f_)) {
    web_->Realize(w_.webPage);
    WebViewStarted(f_);
  }
  ReadNewTexts(f_);
  const std::string notice = TakeNotice(f_);
  view_.Sync();
  if (!notice.empty()) view_.ShowNotice(notice);
  if (inspector_) inspector_->Refresh();
}

bool MainWindow::Enter(const std::function<void()>& handler) {
  if (queue_.Holding()) return false;
  const bool endNow = EnterEngine(f_, handler);
  if (f_.entryDepth == 0 && !endNow && !closing_) queue_.DeliverHeld();
  Sync();
  if (endNow) ExitNow();
  // What was asked for during the run is done once the window is idle again.
  else if (f_.entryDepth == 0 && (asked_ != BetweenRuns::None || !edits_.empty()))
    QTimer::singleShot(0, this, [this] { DoAsked(); });
  return true;
}

void MainWindow::AskBetweenRuns(BetweenRuns what) {
  asked_ = what;
  if (f_.entryDepth == 0 && f_.runDepth == 0 && !queue_.Holding()) DoAsked();
}

void MainWindow::EditBetweenRuns(std::function<void()> edit) {
  edits_.push_back(std::move(edit));
  if (f_.entryDepth == 0 && f_.runDepth == 0 && !queue_.Holding()) DoAsked();
}

void MainWindow::DoAsked() {
  if (closing_ || f_.entryDepth != 0 || f_.runDepth != 0) return;
  // One at a time, each an entry of its own.
  while (!edits_.empty() && !closing_) {
    const std::function<void()> edit = std::move(edits_.front());
    edits_.erase(edits_.begin());
    Enter(edit);
  }
  if (asked_ == BetweenRuns::None || closing_) return;
  const BetweenRuns what = std::exchange(asked_, BetweenRuns::None);
  switch (what) {
    case BetweenRuns::Save:
    case BetweenRuns::Restore:
      if (slotPanels) RunSlotPanel(*this, f_, what == BetweenRuns::Restore);
      break;
    case BetweenRuns::Undo:
      TellPlayerAction("undo");
      Enter([this] { UndoStep(f_); });
      break;
    case BetweenRuns::Redo:
      TellPlayerAction("redo");
      Enter([this] { RedoStep(f_); });
      break;
    case BetweenRuns::None: break;
  }
}

void MainWindow::Tell(const std::function<void()>& step) {
  step();
  view_.Sync();
}

void MainWindow::OpeningClick() {
  // A second click within the double-click time makes it a double click.
  openingClickTimer_.start(QApplication::doubleClickInterval());
  Enter([this] { OpeningClickArrived(f_); });
}

void MainWindow::OpeningClickInterval() {
  openingClickTimer_.stop();
  TellPlayerAction("start");
  Enter([this] { OpeningClickIntervalPassed(f_); });
}

void MainWindow::OpeningDoubleClick() {
  openingClickTimer_.stop();
  TellPlayerAction("resume");
  Enter([this] { OpeningDoubleClickArrived(f_); });
}

void MainWindow::FollowLink(const std::string& reported) {
  const std::string address = AddressFromBrowser(reported);
  TellPlayerAction("follow " + reported);
  RunOrHold([this, address] { Enter([this, address] { WebBNavigateComplete2(f_, address); }); });
}

// A movement is the commonest event: only what it changed is brought in line,
// never the whole window.
void MainWindow::PointerMoved(MouseSurface s, int x, int y) {
  if (queue_.Holding()) return;
  MoveEffect effect;
  const bool endNow = EnterEngine(f_, [&] { effect = SurfaceMouseMove(f_, s, x, y); });
  if (effect.window) view_.SyncPosition();
  if (effect.cursor) view_.SyncCursorOf(CursorOwnerOf(f_, s));
  if (endNow) ExitNow();
}

// The player's own scrolling (bars, keys) goes to the engine.
void MainWindow::ScrolledByPlayer(QScrollArea* w) {
  if (view_.ApplyingScroll()) return;
  const int zoom = f_.zoom;
  const int h = w->horizontalScrollBar()->value() / zoom, v = w->verticalScrollBar()->value() / zoom;
  if (w == w_.sbc1) Enter([=, this] { MapScrolledByPlayer(f_, h, v); });
  else Enter([=, this] { PageScrolledByPlayer(f_, v); });
}

bool MainWindow::Wheel(QWheelEvent* e) {
  const QPoint corner = w_.sbox2->mapToGlobal(QPoint(0, 0));
  const QRect box = ZoomedBounds(0, 0, f_.Sbox2.width, f_.Sbox2.height, f_.zoom).translated(corner);
  const QPoint at = e->globalPosition().toPoint();
  const int delta = e->angleDelta().y();
  bool used = false;
  Enter([&, at, box, delta] { used = Sbox2MouseWheel(f_, at, box, delta); });
  e->setAccepted(used);
  return used;
}

void MainWindow::wheelEvent(QWheelEvent* e) { Wheel(e); }

// The page's scroll box scrolls only as the engine says.
bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == w_.sbox2->viewport() && e->type() == QEvent::Wheel) {
    Wheel(static_cast<QWheelEvent*>(e));
    e->accept();  // used up here either way: the box never scrolls on its own
    return true;
  }
  return QWidget::eventFilter(watched, e);
}

void MainWindow::ExitNow() {
  if (closing_) return;
  closing_ = true;
  queue_.Clear();
  if (onExit) onExit();
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (!CloseRequested(f_)) {
    e->ignore();
    return;
  }
  e->accept();
  ExitNow();
}

void MainWindow::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  view_.PositionShown(pos());
  WindowMoved(f_, x(), y());
}

}  // namespace lumora
