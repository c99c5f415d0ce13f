// The player's input held in line while the engine is busy, and delivered in
// arrival order when the engine can take it.
#pragma once
#include <QObject>
#include <QPointer>
#include <QSet>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

namespace lumora {

// While the engine lets messages through at a point that holds input (a
// picture loads, a press shows its picture, a page waits), the player's clicks,
// keys and wheel turns on the window's widgets are kept from them, and so are
// the entries that start a run (a followed link, the end of the opening
// click's double-click interval). They are delivered in arrival order, before
// any newer input, at the next wait that delivers input or when the outermost
// entry has returned. Painting, the rain and the web view's signals go on.
// Only input on the window's own widgets is held: an object is asked nothing
// before it is known to be one of them (the web engine delivers input to
// objects of its own while it builds or tears them down).
class InputQueue : public QObject {
 public:
  // run: how an entry is run once its turn comes.
  InputQueue(QWidget* window, std::function<void(const std::function<void()>&)> run);
  ~InputQueue() override;

  // A pass through the event loop begins and ends; passes nest.
  void BeginPass(bool holding);
  void EndPass();
  // The innermost pass holds input.
  bool Holding() const { return !passes_.empty() && passes_.back(); }
  // An entry that starts a run: run now, or held in line.
  void RunOrHold(std::function<void()> entry);
  // Delivers what is held, in order; what it starts may hold input again.
  void DeliverHeld();
  bool Empty() const { return held_.empty(); }
  // A press and a release both on the widget, held: both are taken out of the
  // line and true returned. The quit button while a script runs without waiting.
  bool TakeClickOn(QWidget* w);
  // The program ends: what is held is dropped.
  void Clear() { held_.clear(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct Held {
    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;
    std::function<void()> entry;
  };
  QWidget* window_;
  std::function<void(const std::function<void()>&)> run_;
  std::vector<bool> passes_;  // innermost last: whether each holds input
  QSet<QObject*> ours_;       // the window's widgets when holding began
  std::deque<Held> held_;
  bool delivering_ = false;
};

}  // namespace lumora
