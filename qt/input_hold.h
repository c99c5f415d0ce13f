// The player's input held back while a script runs without waiting.
#pragma once
#include <QObject>
#include <QPointer>
#include <QSet>
#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

namespace lumora {

// While one exists, the window system's events may be processed for the sake
// of a close request alone: the player's clicks, keys and wheel turns are kept
// from the widgets, and posted again, in their order, when it goes. The window
// system counts the close button among the user's input, so the event loop's
// own way of leaving input out would leave the close request out with it.
// Only input on the window's own widgets is held: an object is asked nothing
// before it is known to be one of them (the web engine delivers input to
// objects of its own while it builds or tears them down).
class InputHold : public QObject {
 public:
  explicit InputHold(QWidget* window);
  ~InputHold() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QSet<QObject*> ours_;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace lumora
