// The window brought in line with the form model, which it only reads.
#include "qt/window_view.h"

#include <QApplication>
#include <QScrollBar>
#include <algorithm>

#include "core/text1252.h"
#include "input/keyboard_focus.h"

namespace lumora {

WindowView::WindowView(const TForm1& f, QWidget& window, WindowWidgets& w, WebBackend& web)
    : f_(f), window_(window), w_(w), web_(web), shownPos_(f.windowLeft, f.windowTop) {
  noticeTimer_.setSingleShot(true);
  QObject::connect(&noticeTimer_, &QTimer::timeout, w_.notice, &QWidget::hide);
}

void WindowView::SyncControl(QWidget* w, const Control& c, QPoint offset, bool fill) {
  const QRect r = ZoomedBounds(int64_t{c.left} + offset.x(), int64_t{c.top} + offset.y(), c.width, c.height, zoom_);
  if (w->geometry() != r) w->setGeometry(r);
  if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
  const QColor color = QColor::fromRgb(c.color);
  if (w->palette().color(QPalette::Window) != color || w->palette().color(QPalette::Base) != color) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(QPalette::Base, color);
    w->setPalette(pal);
  }
  // Set only when it changes: each change repaints the widget, and a window
  // repainted at every pass of a wait holds up the web view's page (a page
  // that loads in a tenth of a second took two seconds).
  if (w->autoFillBackground() != fill) w->setAutoFillBackground(fill);
  SetShownCursor(w, c.cursor);
}

void WindowView::SyncCursorOf(const Control& c) {
  for (ImageWidget* w : w_.Images())
    if (&w->box == &c) SetShownCursor(w, c.cursor);
}

// The bars' thickness and colour, and the scroll positions of the model.
void WindowView::SyncScrollBox(QScrollArea* w, const ScrollBox& box) {
  SyncControl(w, box);
  const QString sheet = QStringLiteral(
                            "QScrollBar:vertical{width:%1px;background:%2;margin:0}"
                            "QScrollBar:horizontal{height:%1px;background:%2;margin:0}"
                            "QScrollBar::handle{background:%3;min-width:%1px;min-height:%1px}"
                            "QScrollBar::add-line,QScrollBar::sub-line{width:0;height:0}")
                            .arg(ZoomedLength(box.barSize, zoom_))
                            .arg(QColor::fromRgb(box.barColor).name())
                            .arg(QColor::fromRgb(box.barColor).darker(150).name());
  if (w->styleSheet() != sheet) w->setStyleSheet(sheet);
  applyingScroll_ = true;
  const int x = ZoomedLength(box.scrollX, zoom_), y = ZoomedLength(box.scrollY, zoom_);
  if (w->horizontalScrollBar()->value() != x) w->horizontalScrollBar()->setValue(x);
  if (w->verticalScrollBar()->value() != y) w->verticalScrollBar()->setValue(y);
  applyingScroll_ = false;
}

// The font and its colour, in the palette role the widget paints its text with.
void WindowView::SyncFont(QWidget* w, const FontSpec& spec, QPalette::ColorRole role) {
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

void WindowView::SyncImage(ImageWidget* w, QPoint offset) {
  const ImageBox& b = w->box;
  Control c = b;
  if (b.autoSize && !b.picture.isNull()) {
    c.width = b.picture.width();
    c.height = b.picture.height();
  }
  // A box without a picture shows what lies behind it.
  SyncControl(w, c, offset, !b.transparent && !b.picture.isNull());
  if (w->shownKey != b.picture.cacheKey()) w->update();
}

void WindowView::SyncLabel(QLabel* w, const Label& l) {
  SyncControl(w, l, QPoint(), !l.transparent);
  const QString caption = QStringFromCp1252(l.caption);
  if (w->text() != caption) w->setText(caption);
  SyncFont(w, l.font, QPalette::WindowText);
}

void WindowView::SyncMemo(MemoWidget* w) {
  const Memo& m = w->memo;
  SyncControl(w, m);
  SyncFont(w, m.font, QPalette::Text);
  const auto wrap = m.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap;
  if (w->lineWrapMode() != wrap) w->setLineWrapMode(wrap);
  w->SyncText();
}

void WindowView::SyncInput() {
  SyncControl(w_.input, f_.Input);
  SyncFont(w_.input, f_.Input.font, QPalette::Text);
  w_.input->SyncText();
}

void WindowView::SyncWeb() {
  SyncControl(w_.webPage, f_.WebB);
  web_.SetBackground(QColor::fromRgb(f_.WebB.color));
  QWidget* view = web_.Widget();
  if (!view) return;
  const QRect r = ZoomedBounds(0, 0, f_.WebB.width, f_.WebB.height, zoom_);
  if (view->geometry() != r) view->setGeometry(r);
}

QWidget* WindowView::KeyboardWidget(Focus owner) const {
  switch (owner) {
    case Focus::Input: return w_.input;
    case Focus::MsgMd0: return w_.msgMd0;
    case Focus::WebB: return web_.Widget();
    case Focus::Form: return &window_;
    case Focus::Sbox2: return w_.sbox2;
    case Focus::None: break;
  }
  return nullptr;
}

// Compared with the widget that really has the focus, not with what was last
// applied: Qt moves the focus on its own when the focused widget hides (the
// input line under the map page), and the input line must get it back when it
// shows again.
void WindowView::SyncFocus() {
  if (!window_.isActiveWindow() || QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
  QWidget* want = KeyboardWidget(KeyboardOwner(f_));
  if (!want || !want->isVisible() || !want->isEnabled()) return;
  QWidget* has = QApplication::focusWidget();
  // The window itself holds the keys for the ring; a page's own widgets lie inside its view.
  const bool there = want == &window_ ? has == want : has && (has == want || want->isAncestorOf(has));
  if (!there) want->setFocus(Qt::OtherFocusReason);
}

void WindowView::Sync() {
  const QSize size = ZoomedBounds(0, 0, f_.Abok0.width, f_.Abok0.height, zoom_).size();
  if (window_.size() != size) window_.resize(size);
  SyncPosition();
  SyncControl(w_.abok0, f_.Abok0);
  w_.abok0->setCurrentIndex(f_.Abok0.pageIndex);
  // The game page's widgets are brought in line once it shows: on the opening
  // screen their fonts and texts would only cost start-up time.
  if (f_.Abok0.pageIndex == 0) SyncGamePage();
  SyncImage(w_.telAber);
  // The skin's outline, for painting and for clicks.
  if (f_.shaped && (shownShape_ != f_.shape || shapeZoom_ != zoom_)) {
    shownShape_ = f_.shape;
    shapeZoom_ = zoom_;
    window_.setMask(zoom_ == 1 ? f_.shape : QTransform::fromScale(zoom_, zoom_).map(f_.shape));
  }
  SyncFocus();
  SyncFocusRing();
}

void WindowView::SyncGamePage() {
  SyncImage(w_.imp);
  SyncImage(w_.btFim);
  SyncLabel(w_.lbFim, f_.lbFim);
  SyncControl(w_.abok2, f_.Abok2);
  w_.abok2->setCurrentIndex(f_.Abok2.pageIndex);
  SyncImage(w_.telCmd);
  SyncInput();
  SyncControl(w_.abok1, f_.Abok1);
  w_.abok1->setCurrentIndex(f_.Abok1.pageIndex);
  SyncStacking();
  SyncControl(w_.panTel, f_.PanTel);
  SyncImage(w_.tela);
  SyncMemo(w_.msg);
  SyncControl(w_.barraTop, f_.BarraTop);
  SyncMemo(w_.msgMd0);
  SyncWeb();
  SyncImage(w_.mapJog);
  // The marker stands in the scroll box's visible coordinates; it scrolls with the map.
  SyncImage(w_.voce, QPoint(f_.Sbc1.scrollX, f_.Sbc1.scrollY));
  w_.sbc1->widget()->resize(ZoomedBounds(0, 0, int64_t{f_.MapJog.left} + f_.MapJog.width,
                                         int64_t{f_.MapJog.top} + f_.MapJog.height, zoom_).size());
  SyncScrollBox(w_.sbc1, f_.Sbc1);
  SyncImage(w_.tela3);
  w_.sbox2->widget()->resize(ZoomedBounds(0, 0, f_.Sbox2.width, int64_t{f_.Tela3.top} + f_.Tela3.height, zoom_).size());
  SyncScrollBox(w_.sbox2, f_.Sbox2);
  SyncLabel(w_.label2, f_.Label2);
}

// The display area and the command panel may overlap: the one raised last
// ("setfoco=") lies on top.
void WindowView::SyncStacking() {
  const bool panelOnTop = f_.Abok2.z > f_.Abok1.z;
  if (panelOnTop == shownPanelOnTop_) return;
  shownPanelOnTop_ = panelOnTop;
  if (panelOnTop) w_.abok2->raise();
  else w_.abok1->raise();
}

void WindowView::RepaintNow(Component component) {
  if (component == Component::MsgMd0) {
    // Letter-by-letter typing asks after every letter; nobody sees more than a
    // frame's worth, and each paint lays the paragraph out again. The rest is
    // shown by the next frame or the next Sync, at the latest when the run ends.
    // The frame is counted from the end of the paint, and lasts at least as
    // long as the paint took: once a long text takes longer to lay out than a
    // frame, painting must not come to take every letter's turn.
    constexpr qint64 kFrameMs = 15;
    if (typedShown_.isValid() && typedShown_.elapsed() < std::max(kFrameMs, typedPaintMs_)) return;
    QElapsedTimer paint;
    paint.start();
    SyncMemo(w_.msgMd0);
    w_.msgMd0->repaint();
    typedPaintMs_ = paint.elapsed();
    typedShown_.start();
  } else if (component == Component::Msg) {
    SyncMemo(w_.msg);
    w_.msg->repaint();
  } else {
    // Every rain tick: only the picture screen is painted again.
    SyncImage(w_.tela);
    w_.tela->repaint();
  }
}

// The window goes where the engine put it (a drag by the background, a zoom).
// Until the engine moves it, the window system places it as it likes.
void WindowView::SyncPosition() {
  const QPoint wanted(f_.windowLeft, f_.windowTop);
  if (wanted == shownPos_) return;
  shownPos_ = wanted;
  window_.move(wanted);
}

void WindowView::SetZoom(int zoom) {
  zoom_ = zoom;
  for (ImageWidget* w : w_.Images()) {
    w->zoom = zoom;
    w->update();
  }
  for (MemoWidget* m : {w_.msg, w_.msgMd0}) m->document()->setDocumentMargin(zoom);
  web_.SetZoom(zoom);
}

void WindowView::ShowNotice(const std::string& text) {
  w_.notice->setText(QStringFromCp1252(text));
  w_.notice->adjustSize();
  w_.notice->move(std::max(0, (window_.width() - w_.notice->width()) / 2), 8);
  w_.notice->raise();
  w_.notice->show();
  noticeTimer_.start(5000);
}

// The focus ring drawn on the surface of the area in it, none on the others.
void WindowView::SyncFocusRing() {
  const int area = KeyFocusedArea(f_);
  const MouseSurface on = area >= 0 ? SurfaceOfArea(f_, area) : MouseSurface::Tela;
  const struct {
    ImageWidget* w;
    MouseSurface s;
  } surfaces[] = {{w_.tela, MouseSurface::Tela}, {w_.telCmd, MouseSurface::TelCmd}, {w_.imp, MouseSurface::Imp},
                  {w_.telAber, MouseSurface::TelAber}, {w_.tela3, MouseSurface::Tela3}};
  for (const auto& [w, s] : surfaces) {
    QRect ring;
    if (area >= 0 && s == on) {
      const LinkRecord& r = f_.links.records[static_cast<size_t>(area)];
      ring = ZoomedBounds(r.left, r.top, int64_t{r.width} + 1, int64_t{r.height} + 1, 1);  // the bounds are inclusive
    }
    if (w->focusRing == ring) continue;
    w->focusRing = ring;
    w->update();
  }
}

}  // namespace lumora
