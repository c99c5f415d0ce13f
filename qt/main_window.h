// The main window: Qt widgets that show TForm1's components (window_view.h)
// and the entries that forward the player's events to the engine.
#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "form/form1.h"
#include "form/surfaces.h"
#include "input/mouse.h"
#include "qt/input_queue.h"
#include "qt/web_view.h"
#include "qt/window_view.h"

namespace lumora {

class MainWindow : public QWidget {
 public:
  MainWindow(TForm1& form, std::unique_ptr<WebBackend> web);
  // Lets go of the application's signals first: the widgets' own destruction
  // moves the focus, and the handler would reach members already gone.
  ~MainWindow() override;

  // Brings every widget in line with the form model: the engine's steps that
  // follow what the window shows come first (the web view started, the texts
  // read aloud), then the widgets show the model.
  void Sync();
  // Repaints the widget of one component now.
  void RepaintNow(Component component) { view_.RepaintNow(component); }

  // Runs an engine handler as an entry from the window system: errors go to the
  // message box, and an exit asked for during it happens once the outermost
  // entry has unwound. While the engine holds input it refuses, returning
  // false: a handler may hold references to its caller's frame, so it is never
  // kept for later. Entries that may wait their turn go through RunOrHold.
  bool Enter(const std::function<void()>& handler);
  // An entry that only notes what the window learnt (the keyboard moved): it
  // can start no run, so it is told at once, held input or not, and shown.
  void Tell(const std::function<void()>& step);
  // An entry that starts a run and may wait in line behind held input.
  void RunOrHold(std::function<void()> handler) { queue_.RunOrHold(std::move(handler)); }
  InputQueue& Queue() { return queue_; }

  WebBackend& Web() { return *web_; }
  const WindowWidgets& Widgets() const { return w_; }
  // The widget that shows a surface.
  ImageWidget* SurfaceWidget(SurfaceId id) const;
  // The opening picture's events, forwarded as the window system delivers
  // them: a click, the end of the double-click interval after it, a double click.
  void OpeningClick();
  void OpeningClickInterval();
  void OpeningDoubleClick();
  // A link followed in the web view; the address as the web engine reports it.
  void FollowLink(const std::string& reported);
  // What the player may do only between runs: F5 (the save panel), F9 (the
  // restore panel), Ctrl+Z (undo) and Ctrl+Shift+Z (redo). Done now when no
  // script runs, else once the running script has ended.
  enum class BetweenRuns { None, Save, Restore, Undo, Redo };
  void AskBetweenRuns(BetweenRuns what);
  // The author's inspector (F12): a window of its own beside this one, made
  // when it opens and gone when it closes.
  void ToggleInspector();
  bool InspectorOpen() const { return inspector_ != nullptr; }
  // An edit of the inspector's: done now when no script runs, else held, like
  // the player's input, until the running script has ended.
  void EditBetweenRuns(std::function<void()> edit);
  // The save and restore panels wait for the player: a walkthrough or the
  // monkey, which cannot answer them, saves and restores with its own verbs.
  bool slotPanels = true;

  std::function<void()> onExit;  // called when the program is to end
  // What the player did that the window itself makes sense of (the game
  // started, a link followed, a slot saved, an undo), as a walkthrough line
  // (UTF-8): a session's recorder listens. Widgets' own events it reads itself.
  std::function<void(const std::string& line)> onPlayerAction;
  void TellPlayerAction(const std::string& line) {
    if (onPlayerAction) onPlayerAction(line);
  }

  // The window drawn zoom times larger (1 to kMaxZoom, and no larger than the
  // free area of the screen it is on, which it is moved onto): geometry, fonts
  // and the web page are zoomed, pictures enlarged pixel by pixel. The engine,
  // the mouse handlers and the automation keep design pixels.
  void SetZoom(int zoom);
  int Zoom() const { return f_.zoom; }
  int startZoom = 1;  // where Ctrl+0 goes back to

 protected:
  void closeEvent(QCloseEvent*) override;
  void moveEvent(QMoveEvent*) override;
  void wheelEvent(QWheelEvent*) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  // Qt's own moves of the focus (the focused widget hidden) are not the
  // player's Tab: the window keeps the keys until the engine's choice can be
  // shown again.
  bool focusNextPrevChild(bool next) override;
  // Enter or Space clicks the area in the focus ring; F6 turns reading aloud
  // on and off.
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;

 private:
  void WireSurfaces();
  void WireSurface(ImageWidget* w, MouseSurface s);
  void WireInput();
  void WireMap();
  void WatchFocus();
  void PointerMoved(MouseSurface s, int x, int y);
  void ScrolledByPlayer(QScrollArea* w);
  // The wheel anywhere in the window goes to the model-3 page's handler.
  bool Wheel(QWheelEvent* e);
  // Tab and Shift+Tab walk the focus ring over the clickable areas.
  void TabPressed(bool forward);
  void ExitNow();
  void SetAccessibleNames();
  void WatchKeys();

  TForm1& f_;
  std::unique_ptr<WebBackend> web_;
  WindowWidgets w_;
  WindowView view_;
  InputQueue queue_;
  bool closing_ = false;
  BetweenRuns asked_ = BetweenRuns::None;
  std::vector<std::function<void()>> edits_;  // the inspector's, held until the run ends
  void DoAsked();
  class Inspector* inspector_ = nullptr;  // a child window: Qt deletes it with this one
  QTimer openingClickTimer_;
};

}  // namespace lumora
