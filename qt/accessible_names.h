// Names and roles a screen reader finds the window's parts by.
#pragma once
#include <QAccessible>
#include <QWidget>

namespace lumora {

// Gives the widget its name (UTF-8). Widgets the player sees as pictures,
// drawn by us, get the role too: Qt's own widgets keep their richer
// interfaces (an edit's text, ...).
void NameForScreenReaders(QWidget* w, const char* name, QAccessible::Role role);

}  // namespace lumora
