// The main window: Qt widgets that show TForm1's components and forward the
// player's events to the engine's handlers.
#pragma once
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "form/form1.h"
#include "input/mouse.h"
#include "qt/web_view.h"
#include "qt/widgets.h"

namespace lumora {

class MainWindow : public QWidget {
 public:
  MainWindow(TForm1& form, std::unique_ptr<WebBackend> web);

  // Brings every widget in line with the form model.
  void Sync();
  // Repaints the widget of one component now.
  void RepaintNow(const Control& control);

  // Runs an engine handler as an entry from the window system: errors go to the
  // message box, and an exit asked for during it happens once the outermost
  // entry has unwound.
  void Enter(const std::function<void()>& handler);

  WebBackend& Web() { return *web_; }
  // The widget showing a surface word of the automation ("tel", "fnc", ...).
  QWidget* Surface(const std::string& word);
  // The opening picture's events, forwarded as the window system delivers
  // them: a click, the end of the double-click interval after it, a double click.
  void OpeningClick();
  void OpeningClickInterval();
  void OpeningDoubleClick();
  // A link followed in the web view; the address as the web engine reports it.
  void FollowLink(const std::string& reported);

  std::function<void()> onExit;  // called when the program is to end

  // While set, the event queue is being looked through only for a close
  // request (a script runs without waiting): an entry that arrives then is put
  // back in the queue for when the script has ended.
  void SetCloseRequestsOnly(bool only) { closeRequestsOnly_ = only; }

  // The window drawn zoom times larger (1 to kMaxZoom, and no larger than the
  // free area of the screen it is on, which it is moved onto): geometry, fonts
  // and the web page are zoomed, pictures enlarged pixel by pixel. The engine,
  // the mouse handlers and the automation keep design pixels.
  void SetZoom(int zoom);
  int Zoom() const { return zoom_; }
  int startZoom = 1;  // where Ctrl+0 goes back to

 protected:
  void closeEvent(QCloseEvent*) override;
  void moveEvent(QMoveEvent*) override;
  void wheelEvent(QWheelEvent*) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  // Tab and Shift+Tab walk the focus ring over the clickable areas; Enter or
  // Space clicks the area in it; F6 turns reading aloud on and off.
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;

 private:
  void BuildGamePage(QWidget* page);
  void BuildDisplayPages();
  void SyncControl(QWidget* w, const Control& c);
  void SyncFont(QWidget* w, const FontSpec& spec, QPalette::ColorRole role);
  void SyncImage(ImageWidget* w, QPoint offset = {});
  void SyncCursor(QWidget* w, Cursor cursor);
  void SyncScrollBox(QScrollArea* w, const ScrollBox& box);
  void WireSurface(ImageWidget* w, MouseSurface s);
  void WireMap();
  void PointerMoved(MouseSurface s, int x, int y);
  void MoveToModel();
  void ReadBackScrolling(QScrollArea* w);
  // The wheel anywhere in the window goes to the model-3 page's handler.
  bool Wheel(QWheelEvent* e);
  void SyncLabel(QLabel* w, const Label& l);
  void SyncMemo(MemoWidget* w);
  void SyncInput();
  void SyncWeb();
  void SyncFocus();
  void SyncStacking();
  void SyncGamePage();
  void ExitNow();
  // The focus ring drawn on the surface of the area in it, none on the others.
  void SyncFocusRing();
  // Reading aloud: what is new is read, and a notice for the player shown.
  void SyncReadAloud();
  void SetAccessibleNames();
  void WatchZoomKeys();
  void ShowZoom();  // the model's zoom applied to the widgets
  QRect Zoomed(const QRect& r) const { return lumora::Zoomed(r, zoom_); }

  TForm1& f_;
  std::unique_ptr<WebBackend> web_;
  bool closing_ = false;
  bool closeRequestsOnly_ = false;
  QElapsedTimer typedShown_;  // when the typed memo was last painted letter by letter
  Focus shownFocus_ = Focus::None;
  bool shownPanelOnTop_ = false;  // as built: the display area lies over the panel

  QStackedWidget *abok0_, *abok1_, *abok2_;
  ImageWidget *imp_, *btFim_, *telCmd_, *tela_, *tela3_, *mapJog_, *voce_, *telAber_;
  QLabel *lbFim_, *label2_;
  InputWidget* input_;
  QWidget *panTel_, *barraTop_, *webPage_;
  MemoWidget *msg_, *msgMd0_;
  QScrollArea *sbc1_, *sbox2_;
  QTimer openingClickTimer_;
  bool applyingScroll_ = false;  // the model's scroll positions are being shown
  QPoint shownPos_;              // the window's position as last applied or reported
  QLabel* notice_ = nullptr;     // a short word to the player over the window
  QTimer noticeTimer_;
  bool keyPressTaken_ = false;   // Enter or Space went down on an area in the ring
  int zoom_ = 1;
  QRegion shownShape_;  // the outline last applied, in design pixels
};

}  // namespace lumora
