// Names and roles for screen readers.
#include "qt/accessible_names.h"

#include <QAccessibleWidget>

#include "qt/widgets.h"

namespace lumora {
namespace {

// Widgets drawn by us have no role of their own for a screen reader: the
// property "lumoraRole" gives them one.
QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
  auto* w = qobject_cast<QWidget*>(object);
  if (!w) return nullptr;
  const QVariant role = w->property("lumoraRole");
  if (!role.isValid()) return nullptr;
  return new QAccessibleWidget(w, static_cast<QAccessible::Role>(role.toInt()), w->accessibleName());
}

}  // namespace

void NameForScreenReaders(QWidget* w, const char* name, QAccessible::Role role) {
  static const bool installed = (QAccessible::installFactory(RoleFactory), true);
  (void)installed;
  w->setAccessibleName(QString::fromUtf8(name));
  if (dynamic_cast<ImageWidget*>(w)) w->setProperty("lumoraRole", role);
}

}  // namespace lumora
