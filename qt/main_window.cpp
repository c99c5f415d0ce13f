// The main window: its widgets, built once in the shape of the window
// description, and the event entries into the engine.
#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "core/text1252.h"
#include "input/keyboard_focus.h"
#include "input/quit_button.h"
#include "input/typed_command.h"
#include "input/web_navigation.h"
#include "nav/map_page.h"
#include "qt/accessible_names.h"
#include "shell/entry.h"
#include "shell/lifecycle.h"
#include "view/read_aloud.h"

namespace lumora {
namespace {

// The input line's keys as the engine names them.
InputKey ToInputKey(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return InputKey::Enter;
    case Qt::Key_F1: return InputKey::F1;
    case Qt::Key_F2: return InputKey::F2;
    case Qt::Key_F3: return InputKey::F3;
    case Qt::Key_F4: return InputKey::F4;
    case Qt::Key_Up: return InputKey::Up;
    case Qt::Key_Down: return InputKey::Down;
    case Qt::Key_Left: return InputKey::Left;
    case Qt::Key_Right: return InputKey::Right;
    default: return InputKey::Other;
  }
}

// Calls back when a widget gets the focus, a key or a click; the event goes on.
class FocusWatch : public QObject {
 public:
  FocusWatch(QObject* parent, std::function<void()> onEvent) : QObject(parent), onEvent_(std::move(onEvent)) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    const auto type = e->type();
    if (type == QEvent::FocusIn || type == QEvent::KeyPress || type == QEvent::MouseButtonRelease) onEvent_();
    return false;
  }

 private:
  std::function<void()> onEvent_;
};


}  // namespace

MainWindow::MainWindow(TForm1& form, std::unique_ptr<WebBackend> web) : f_(form), web_(std::move(web)) {
  shownPos_ = QPoint(f_.windowLeft, f_.windowTop);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Lumora: ") + QStringFromCp1252(f_.gameName));
  abok0_ = new QStackedWidget(this);
  auto* gamePage = new QWidget;
  auto* imagesPage = new QWidget;
  auto* openingPage = new QWidget;
  abok0_->addWidget(gamePage);
  abok0_->addWidget(imagesPage);
  abok0_->addWidget(openingPage);
  BuildGamePage(gamePage);
  BuildDisplayPages();
  telAber_ = new ImageWidget(f_.TelAber, openingPage);
  telAber_->handlers.click = [this] { OpeningClick(); };
  telAber_->handlers.doubleClick = [this] { OpeningDoubleClick(); };
  WireSurface(tela_, MouseSurface::Tela);
  WireSurface(telCmd_, MouseSurface::TelCmd);
  WireSurface(imp_, MouseSurface::Imp);
  WireSurface(telAber_, MouseSurface::TelAber);
  WireSurface(tela3_, MouseSurface::Tela3);
  WireMap();
  sbox2_->viewport()->installEventFilter(this);
  for (QScrollArea* area : {sbc1_, sbox2_}) {
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
      connect(bar, &QScrollBar::valueChanged, this, [this, area] { ReadBackScrolling(area); });
  }
  web_->onLink = [this](const std::string& reported) { FollowLink(reported); };
  openingClickTimer_.setSingleShot(true);
  connect(&openingClickTimer_, &QTimer::timeout, this, [this] { OpeningClickInterval(); });
  notice_ = new QLabel(this);
  notice_->setStyleSheet(QStringLiteral("background:#FFFFE0;color:black;border:1px solid black;padding:4px"));
  notice_->hide();
  noticeTimer_.setSingleShot(true);
  connect(&noticeTimer_, &QTimer::timeout, notice_, &QWidget::hide);
  // The ring goes out when the player clicks or tabs into another widget.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && now != this && f_.keyFocusArea >= 0) {
      f_.keyFocusArea = -1;
      SyncFocusRing();
    }
  });
  SetAccessibleNames();
  WatchZoomKeys();
  Sync();
}


void MainWindow::BuildGamePage(QWidget* page) {
  imp_ = new ImageWidget(f_.Imp, page);
  btFim_ = new ImageWidget(f_.btFim, page);
  btFim_->handlers.press = [this](int, int, Qt::MouseButton) { Enter([this] { BtFimMouseDown(f_); }); };
  // The button holds the mouse from its press: the release ends the program
  // wherever it lands.
  btFim_->handlers.release = [this](int, int, Qt::MouseButton) { Enter([this] { BtFimMouseUp(f_); }); };
  lbFim_ = new QLabel(page);
  abok2_ = new QStackedWidget(page);
  auto* panel = new QWidget;
  abok2_->addWidget(panel);
  telCmd_ = new ImageWidget(f_.TelCmd, panel);
  input_ = new InputWidget(f_.Input, page);
  input_->onKey = [this](int key) { Enter([this, key] { InputKeyUp(f_, ToInputKey(key)); }); };
  input_->onKeyDown = [this] { Enter([this] { InputKeyDown(f_); }); };
  input_->onEdited = [this](const std::string& text) { Enter([this, &text] { InputEdited(f_, text); }); };
  abok1_ = new QStackedWidget(page);
}

void MainWindow::BuildDisplayPages() {
  auto* page1 = new QWidget;
  panTel_ = new QWidget(page1);
  tela_ = new ImageWidget(f_.Tela, panTel_);
  msg_ = new MemoWidget(f_.Msg, page1);
  auto* page0 = new QWidget;
  barraTop_ = new QWidget(page0);
  msgMd0_ = new MemoWidget(f_.MsgMd0, page0);
  webPage_ = new QWidget;
  auto* pageMap = new QWidget;
  sbc1_ = new QScrollArea(pageMap);
  auto* mapInner = new QWidget;
  mapJog_ = new ImageWidget(f_.MapJog, mapInner);
  voce_ = new ImageWidget(f_.Voce, mapInner);
  sbc1_->setWidget(mapInner);
  auto* page3 = new QWidget;
  sbox2_ = new QScrollArea(page3);
  auto* inner3 = new QWidget;
  tela3_ = new ImageWidget(f_.Tela3, inner3);
  sbox2_->setWidget(inner3);
  sbox2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Given the focus by "setmode= 3": the arrow and page keys scroll the page.
  sbox2_->setFocusPolicy(Qt::StrongFocus);
  auto* pageDown = new QWidget;
  label2_ = new QLabel(pageDown);
  for (QWidget* p : {page1, page0, webPage_, pageMap, page3, pageDown}) {
    // Pages paint in their notebook's colour, which they inherit.
    p->setAutoFillBackground(true);
    abok1_->addWidget(p);
  }
  for (QScrollArea* s : {sbc1_, sbox2_}) s->setFrameShape(QFrame::NoFrame);
  // The message line is a plain memo: no scroll bars, next to no margin.
  msg_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  msg_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (MemoWidget* m : {msg_, msgMd0_}) m->document()->setDocumentMargin(1);
  msgMd0_->followEnd = true;
  // MsgMd0 hands the focus on to the input line when it gets it, on keys and
  // clicks, and whenever its text changes (typing included).
  auto* watch = new FocusWatch(msgMd0_, [this] {
    f_.focus = shownFocus_ = Focus::MsgMd0;
    MsgMd0PassFocus(f_);
    SyncFocus();
  });
  msgMd0_->installEventFilter(watch);
  msgMd0_->viewport()->installEventFilter(watch);
  connect(msgMd0_, &QPlainTextEdit::textChanged, this, [this] {
    MsgMd0PassFocus(f_);
    SyncFocus();
  });
}

void MainWindow::SyncControl(QWidget* w, const Control& c) {
  const QRect r = Zoomed(QRect(c.left, c.top, std::max(0, c.width), std::max(0, c.height)));
  if (w->geometry() != r) w->setGeometry(r);
  if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
  const QColor color = QColor::fromRgb(c.color);
  if (!w->autoFillBackground() || w->palette().color(QPalette::Window) != color) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(QPalette::Base, color);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
  }
  SyncCursor(w, c.cursor);
}

// The shape shown is kept on the widget: a drawn cursor has no shape of its own
// to compare with.
void MainWindow::SyncCursor(QWidget* w, Cursor cursor) {
  const QVariant shown = w->property("lumoraCursor");
  if (shown.isValid() && shown.toInt() == static_cast<int>(cursor)) return;
  w->setProperty("lumoraCursor", static_cast<int>(cursor));
  w->setCursor(ToQCursor(cursor));
}

// The bars' thickness and colour, and the scroll positions of the model.
void MainWindow::SyncScrollBox(QScrollArea* w, const ScrollBox& box) {
  SyncControl(w, box);
  const QString sheet = QStringLiteral(
                            "QScrollBar:vertical{width:%1px;background:%2;margin:0}"
                            "QScrollBar:horizontal{height:%1px;background:%2;margin:0}"
                            "QScrollBar::handle{background:%3;min-width:%1px;min-height:%1px}"
                            "QScrollBar::add-line,QScrollBar::sub-line{width:0;height:0}")
                            .arg(box.barSize * zoom_)
                            .arg(QColor::fromRgb(box.barColor).name())
                            .arg(QColor::fromRgb(box.barColor).darker(150).name());
  if (w->styleSheet() != sheet) w->setStyleSheet(sheet);
  applyingScroll_ = true;
  const int x = box.scrollX * zoom_, y = box.scrollY * zoom_;
  if (w->horizontalScrollBar()->value() != x) w->horizontalScrollBar()->setValue(x);
  if (w->verticalScrollBar()->value() != y) w->verticalScrollBar()->setValue(y);
  applyingScroll_ = false;
}

// The player's own scrolling (bars, keys) goes back into the model.
void MainWindow::ReadBackScrolling(QScrollArea* w) {
  if (applyingScroll_) return;
  const int h = w->horizontalScrollBar()->value() / zoom_, v = w->verticalScrollBar()->value() / zoom_;
  if (w == sbc1_) {
    SetMapScroll(f_, h, v);
  } else {
    f_.Sbox2.scrollY = v;
  }
}

// The font and its colour, in the palette role the widget paints its text with.
void MainWindow::SyncFont(QWidget* w, const FontSpec& spec, QPalette::ColorRole role) {
  QFont font = ToQFont(spec);
  // Drawn anew at the zoomed size, never a small text enlarged.
  if (zoom_ > 1) {
    if (font.pixelSize() > 0) font.setPixelSize(font.pixelSize() * zoom_);
    else font.setPointSizeF(font.pointSizeF() * zoom_);
  }
  if (w->font() != font) w->setFont(font);
  QPalette pal = w->palette();
  if (pal.color(role) != QColor::fromRgb(spec.color)) {
    pal.setColor(role, QColor::fromRgb(spec.color));
    w->setPalette(pal);
  }
}

void MainWindow::SyncImage(ImageWidget* w, QPoint offset) {
  const ImageBox& b = w->box;
  Control c = b;
  if (b.autoSize && !b.picture.isNull()) {
    c.width = b.picture.width();
    c.height = b.picture.height();
  }
  c.left += offset.x();
  c.top += offset.y();
  SyncControl(w, c);
  // A box without a picture shows what lies behind it.
  if (b.transparent || b.picture.isNull()) w->setAutoFillBackground(false);
  if (w->shownKey != b.picture.cacheKey()) w->update();
}

void MainWindow::SyncLabel(QLabel* w, const Label& l) {
  SyncControl(w, l);
  if (l.transparent) w->setAutoFillBackground(false);
  const QString caption = QStringFromCp1252(l.caption);
  if (w->text() != caption) w->setText(caption);
  SyncFont(w, l.font, QPalette::WindowText);
}

void MainWindow::SyncMemo(MemoWidget* w) {
  const Memo& m = w->memo;
  SyncControl(w, m);
  SyncFont(w, m.font, QPalette::Text);
  const auto wrap = m.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap;
  if (w->lineWrapMode() != wrap) w->setLineWrapMode(wrap);
  w->SyncText();
}

void MainWindow::SyncInput() {
  SyncControl(input_, f_.Input);
  SyncFont(input_, f_.Input.font, QPalette::Text);
  input_->SyncText();
}

void MainWindow::SyncWeb() {
  SyncControl(webPage_, f_.WebB);
  const bool shown = f_.Abok0.pageIndex == 0 && f_.Abok1.ActivePage() == "2";
  if (shown && !f_.WebB.created) {
    web_->Realize(webPage_);
    f_.WebB.created = web_->Widget() != nullptr;
  }
  if (QWidget* view = web_->Widget()) view->setGeometry(Zoomed(QRect(0, 0, f_.WebB.width, f_.WebB.height)));
}

void MainWindow::SyncFocus() {
  if (f_.focus == shownFocus_) return;
  shownFocus_ = f_.focus;
  switch (f_.focus) {
    case Focus::Input: input_->setFocus(); break;
    case Focus::MsgMd0: msgMd0_->setFocus(); break;
    case Focus::WebB: web_->Focus(); break;
    case Focus::Form: setFocus(); break;
    case Focus::Sbox2: sbox2_->setFocus(); break;
    case Focus::None: break;
  }
}

void MainWindow::Sync() {
  const QSize size = QSize(f_.Abok0.width, f_.Abok0.height) * zoom_;
  if (this->size() != size) resize(size);
  MoveToModel();
  SyncControl(abok0_, f_.Abok0);
  abok0_->setCurrentIndex(f_.Abok0.pageIndex);
  // The game page's widgets are brought in line once it shows: on the opening
  // screen their fonts and texts would only cost start-up time.
  if (f_.Abok0.pageIndex == 0) SyncGamePage();
  SyncImage(telAber_);
  // The skin's outline, for painting and for clicks.
  if (f_.shaped && shownShape_ != f_.shape) {
    shownShape_ = f_.shape;
    setMask(zoom_ == 1 ? f_.shape : QTransform::fromScale(zoom_, zoom_).map(f_.shape));
  }
  SyncFocus();
  SyncFocusRing();
  SyncReadAloud();
}

void MainWindow::SyncGamePage() {
  SyncImage(imp_);
  SyncImage(btFim_);
  SyncLabel(lbFim_, f_.lbFim);
  SyncControl(abok2_, f_.Abok2);
  abok2_->setCurrentIndex(f_.Abok2.pageIndex);
  SyncImage(telCmd_);
  SyncInput();
  SyncControl(abok1_, f_.Abok1);
  abok1_->setCurrentIndex(f_.Abok1.pageIndex);
  SyncStacking();
  SyncControl(panTel_, f_.PanTel);
  SyncImage(tela_);
  SyncMemo(msg_);
  SyncControl(barraTop_, f_.BarraTop);
  SyncMemo(msgMd0_);
  SyncWeb();
  SyncImage(mapJog_);
  // The marker stands in the scroll box's visible coordinates; it scrolls with the map.
  SyncImage(voce_, QPoint(f_.Sbc1.scrollX, f_.Sbc1.scrollY));
  sbc1_->widget()->resize(QSize(f_.MapJog.left + f_.MapJog.width, f_.MapJog.top + f_.MapJog.height) * zoom_);
  SyncScrollBox(sbc1_, f_.Sbc1);
  SyncImage(tela3_);
  sbox2_->widget()->resize(QSize(f_.Sbox2.width, f_.Tela3.top + f_.Tela3.height) * zoom_);
  SyncScrollBox(sbox2_, f_.Sbox2);
  SyncLabel(label2_, f_.Label2);
}

// The display area and the command panel may overlap: the one raised last
// ("setfoco=") lies on top.
void MainWindow::SyncStacking() {
  const bool panelOnTop = f_.Abok2.z > f_.Abok1.z;
  if (panelOnTop == shownPanelOnTop_) return;
  shownPanelOnTop_ = panelOnTop;
  if (panelOnTop) abok2_->raise();
  else abok1_->raise();
}

void MainWindow::RepaintNow(const Control& control) {
  if (&control == &f_.MsgMd0) {
    // Letter-by-letter typing asks after every letter; nobody sees more than a
    // frame's worth, and each paint lays the paragraph out again. The rest is
    // shown by the next frame or the next Sync, at the latest when the run ends.
    constexpr qint64 kFrameMs = 15;
    if (typedShown_.isValid() && typedShown_.elapsed() < kFrameMs) return;
    typedShown_.start();
    SyncMemo(msgMd0_);
    msgMd0_->repaint();
  } else if (&control == &f_.Msg) {
    SyncMemo(msg_);
    msg_->repaint();
  } else if (&control == &f_.Tela) {
    // Every rain tick: only the picture screen is painted again.
    SyncImage(tela_);
    tela_->repaint();
  } else {
    Sync();
    repaint();
  }
}

QWidget* MainWindow::Surface(const std::string& word) {
  if (word == "tel") return tela_;
  if (word == "fnc") return telCmd_;
  if (word == "pan") return imp_;
  if (word == "md3") return tela3_;
  if (word == "aber") return telAber_;
  if (word == "map") return mapJog_;
  if (word == "marker") return voce_;
  if (word == "input") return input_;
  if (word == "sbox2") return sbox2_;
  if (word == "quit") return btFim_;
  return nullptr;
}

void MainWindow::Enter(const std::function<void()>& handler) {
  if (closeRequestsOnly_) {
    QTimer::singleShot(0, this, [this, handler] { Enter(handler); });
    return;
  }
  const bool endNow = EnterEngine(f_, handler);
  Sync();
  if (endNow) ExitNow();
}

void MainWindow::OpeningClick() {
  // A second click within the double-click time makes it a double click.
  openingClickTimer_.start(QApplication::doubleClickInterval());
  Enter([this] { OpeningClickArrived(f_); });
}

void MainWindow::OpeningClickInterval() {
  openingClickTimer_.stop();
  Enter([this] { OpeningClickIntervalPassed(f_); });
}

void MainWindow::OpeningDoubleClick() {
  openingClickTimer_.stop();
  Enter([this] { OpeningDoubleClickArrived(f_); });
}

void MainWindow::FollowLink(const std::string& reported) {
  const std::string address = AddressFromBrowser(reported);
  Enter([this, address] { WebBNavigateComplete2(f_, address); });
}

void MainWindow::WireSurface(ImageWidget* w, MouseSurface s) {
  w->handlers.move = [this, s](int x, int y, Qt::MouseButton) { PointerMoved(s, x, y); };
  w->handlers.press = [this, s](int x, int y, Qt::MouseButton) { Enter([=, this] { SurfaceMouseDown(f_, s, x, y); }); };
  w->handlers.release = [this, s](int x, int y, Qt::MouseButton) { Enter([=, this] { SurfaceMouseUp(f_, s, x, y); }); };
}

// A movement is the commonest event: only what it changed is brought in line,
// never the whole window.
void MainWindow::PointerMoved(MouseSurface s, int x, int y) {
  MoveEffect effect;
  const bool endNow = EnterEngine(f_, [&] { effect = SurfaceMouseMove(f_, s, x, y); });
  if (effect.window) MoveToModel();
  if (effect.cursor) {
    switch (s) {
      case MouseSurface::Tela: SyncCursor(tela_, f_.Tela.cursor); break;
      case MouseSurface::TelCmd: SyncCursor(telCmd_, f_.TelCmd.cursor); break;
      case MouseSurface::Imp:
      case MouseSurface::TelAber: SyncCursor(imp_, f_.Imp.cursor); break;
      case MouseSurface::Tela3: SyncCursor(tela3_, f_.Tela3.cursor); break;
    }
  }
  if (endNow) ExitNow();
}

void MainWindow::WireMap() {
  mapJog_->handlers.press = [this](int x, int y, Qt::MouseButton) { MapJogMouseDown(f_, x, y); };
  mapJog_->handlers.move = [this](int x, int y, Qt::MouseButton) {
    bool scrolled = false;
    const bool endNow = EnterEngine(f_, [&] { scrolled = MapJogMouseMove(f_, x, y); });
    if (scrolled) Sync();
    if (endNow) ExitNow();
  };
  mapJog_->handlers.release = [this](int, int, Qt::MouseButton) { MapJogMouseUp(f_); };
  voce_->handlers.click = [this] { Enter([this] { VoceClick(f_); }); };
}

bool MainWindow::Wheel(QWheelEvent* e) {
  const QRect box(sbox2_->mapToGlobal(QPoint(0, 0)), QSize(f_.Sbox2.width, f_.Sbox2.height) * zoom_);
  const QPoint at = e->globalPosition().toPoint();
  bool used = false;
  Enter([&] { used = Sbox2MouseWheel(f_, at, box, e->angleDelta().y()); });
  e->setAccepted(used);
  return used;
}

void MainWindow::wheelEvent(QWheelEvent* e) { Wheel(e); }

// The page's scroll box scrolls only as the engine says.
bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == sbox2_->viewport() && e->type() == QEvent::Wheel) {
    Wheel(static_cast<QWheelEvent*>(e));
    e->accept();  // used up here either way: the box never scrolls on its own
    return true;
  }
  return QWidget::eventFilter(watched, e);
}

void MainWindow::ExitNow() {
  if (closing_) return;
  closing_ = true;
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
  f_.windowLeft = x();
  f_.windowTop = y();
  shownPos_ = pos();
}

// The window goes where the engine put it (a drag by the background). Until
// the engine moves it, the window system places it as it likes.
void MainWindow::MoveToModel() {
  const QPoint wanted(f_.windowLeft, f_.windowTop);
  if (wanted == shownPos_) return;
  shownPos_ = wanted;
  move(wanted);
}

}  // namespace lumora
