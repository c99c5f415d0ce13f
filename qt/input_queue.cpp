// The player's input held in line while the engine is busy.
#include "qt/input_queue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace lumora {
namespace {

bool IsPlayerInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::ContextMenu: return true;
    default: return false;
  }
}

}  // namespace

InputQueue::InputQueue(QWidget* window, std::function<void(const std::function<void()>&)> run)
    : QObject(window), window_(window), run_(std::move(run)) {
  QCoreApplication::instance()->installEventFilter(this);
}

InputQueue::~InputQueue() { QCoreApplication::instance()->removeEventFilter(this); }

void InputQueue::BeginPass(bool holding) {
  if (holding && !Holding()) {
    const QList<QWidget*> children = window_->findChildren<QWidget*>();
    ours_ = QSet<QObject*>(children.begin(), children.end());
    ours_.insert(window_);
  }
  passes_.push_back(holding);
}

void InputQueue::EndPass() {
  passes_.pop_back();
  // Held outside every entry (the game loading at start-up): nobody returns to
  // deliver it, so the event loop does, once the engine is done.
  if (passes_.empty() && !held_.empty())
    QTimer::singleShot(0, this, [this] {
      if (passes_.empty()) DeliverHeld();
    });
}

void InputQueue::RunOrHold(std::function<void()> entry) {
  if (Holding() || (!held_.empty() && !delivering_)) {
    held_.push_back({nullptr, nullptr, std::move(entry)});
    return;
  }
  run_(entry);
}

void InputQueue::DeliverHeld() {
  if (delivering_ || Holding()) return;
  delivering_ = true;
  while (!held_.empty() && !Holding()) {
    Held h = std::move(held_.front());
    held_.pop_front();
    if (h.entry) run_(h.entry);
    else if (h.receiver) QCoreApplication::sendEvent(h.receiver, h.event.get());
  }
  delivering_ = false;
}

bool InputQueue::TakeClickOn(QWidget* w) {
  auto on = [w](const Held& h, QEvent::Type type) { return h.receiver == w && h.event && h.event->type() == type; };
  for (auto press = held_.begin(); press != held_.end(); ++press) {
    if (!on(*press, QEvent::MouseButtonPress)) continue;
    for (auto release = press + 1; release != held_.end(); ++release) {
      if (!on(*release, QEvent::MouseButtonRelease)) continue;
      held_.erase(release);
      held_.erase(press);
      return true;
    }
  }
  return false;
}

bool InputQueue::eventFilter(QObject* watched, QEvent* e) {
  if (!Holding() || !IsPlayerInput(e->type()) || !ours_.contains(watched)) return false;
  // A pointer moving over a long wait: only where it went last matters.
  if (e->type() == QEvent::MouseMove && !held_.empty()) {
    Held& last = held_.back();
    if (last.receiver == watched && last.event && last.event->type() == QEvent::MouseMove) {
      last.event.reset(e->clone());
      return true;
    }
  }
  held_.push_back({watched, std::unique_ptr<QEvent>(e->clone()), nullptr});
  return true;
}

}  // namespace lumora
