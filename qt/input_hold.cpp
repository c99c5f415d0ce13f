// The player's input held back while a script runs without waiting.
#include "qt/input_hold.h"

#include <QCoreApplication>
#include <QEvent>
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

InputHold::InputHold(QWidget* window) {
  const QList<QObject*> children = window->findChildren<QObject*>();
  ours_ = QSet<QObject*>(children.begin(), children.end());
  ours_.insert(window);
  QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() {
  QCoreApplication::instance()->removeEventFilter(this);
  for (auto& [receiver, event] : held_)
    if (receiver) QCoreApplication::postEvent(receiver, event.release());
}

bool InputHold::eventFilter(QObject* watched, QEvent* e) {
  if (!IsPlayerInput(e->type()) || !ours_.contains(watched)) return false;
  held_.emplace_back(watched, e->clone());
  return true;
}

}  // namespace lumora
