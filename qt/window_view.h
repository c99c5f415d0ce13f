// The window as a projection of the form model: the widgets, built once in the
// shape of the window description, and the sync that brings them in line with
// the model. It sees the model read-only: whatever the widgets learn reaches
// the engine through the window's entries (main_window.h), never from here.
#pragma once
#include <QElapsedTimer>
#include <QLabel>
#include <QRegion>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>

#include "form/form1.h"
#include "qt/web_view.h"
#include "qt/widgets.h"

namespace lumora {

// Every widget of the window, by the component it shows.
struct WindowWidgets {
  QStackedWidget *abok0 = nullptr, *abok1 = nullptr, *abok2 = nullptr;
  ImageWidget *imp = nullptr, *btFim = nullptr, *telCmd = nullptr, *tela = nullptr, *tela3 = nullptr,
              *mapJog = nullptr, *voce = nullptr, *telAber = nullptr;
  QLabel *lbFim = nullptr, *label2 = nullptr;
  InputWidget* input = nullptr;
  QWidget *panTel = nullptr, *barraTop = nullptr, *webPage = nullptr;
  MemoWidget *msg = nullptr, *msgMd0 = nullptr;
  QScrollArea *sbc1 = nullptr, *sbox2 = nullptr;
  QLabel* notice = nullptr;  // a short word to the player over the window

  // The picture surfaces, for what all of them share (the zoom, the ring).
  std::vector<ImageWidget*> Images() const { return {imp, btFim, telCmd, tela, tela3, mapJog, voce, telAber}; }
};

// Builds the widgets inside window, showing the components of f.
WindowWidgets BuildWindowWidgets(QWidget* window, const TForm1& f);

class WindowView {
 public:
  WindowView(const TForm1& f, QWidget& window, WindowWidgets& w, WebBackend& web);

  // Brings every widget in line with the form model.
  void Sync();
  // Repaints the widget of one component now.
  void RepaintNow(Component component);
  // The pointer shape of the surface that shows the control, after a movement.
  void SyncCursorOf(const Control& control);
  // The window's place on the screen, when the engine moved it.
  void SyncPosition();
  // The window's own move, reported: the model follows it through an entry.
  void PositionShown(QPoint at) { shownPos_ = at; }
  // The scroll positions are being shown: the bars' signals are not the player's.
  bool ApplyingScroll() const { return applyingScroll_; }
  // A notice for the player, shown for a few seconds over the window.
  void ShowNotice(const std::string& text);
  // The keyboard goes where the engine says, against the widget that really
  // has Qt's focus; never while another window of ours (a message box) is open.
  void SyncFocus();
  // The widget that has the keyboard for the engine's owner, or none.
  QWidget* KeyboardWidget(Focus owner) const;
  // The zoom the widgets are drawn at.
  void SetZoom(int zoom);

 private:
  void SyncGamePage();
  // Geometry, visibility, colour and cursor. The offset moves the control (the
  // map's marker scrolls with the map); without `fill` the background is not
  // painted and what lies behind shows through.
  void SyncControl(QWidget* w, const Control& c, QPoint offset = {}, bool fill = true);
  void SyncFont(QWidget* w, const FontSpec& spec, QPalette::ColorRole role);
  void SyncImage(ImageWidget* w, QPoint offset = {});
  void SyncScrollBox(QScrollArea* w, const ScrollBox& box);
  void SyncLabel(QLabel* w, const Label& l);
  void SyncMemo(MemoWidget* w);
  void SyncInput();
  void SyncWeb();
  void SyncStacking();
  void SyncFocusRing();

  const TForm1& f_;
  QWidget& window_;
  WindowWidgets& w_;
  WebBackend& web_;
  int zoom_ = 1;
  QElapsedTimer typedShown_;  // when the typed memo's last letter-by-letter paint ended
  qint64 typedPaintMs_ = 0;   // how long that paint took
  bool shownPanelOnTop_ = false;  // as built: the display area lies over the panel
  bool applyingScroll_ = false;
  QPoint shownPos_;     // the window's position as last applied or reported
  QRegion shownShape_;  // the outline last applied, in design pixels
  int shapeZoom_ = 0;   // the zoom it was applied at
  QTimer noticeTimer_;
};

}  // namespace lumora
