// Names and roles for screen readers.
#include "qt/accessible_names.h"

#include <QAccessibleWidget>
#include <unordered_set>

#include "core/translation.h"
#include "qt/widgets.h"

namespace lumora {
namespace {

// Widgets drawn by us have no role of their own for a screen reader: the
// property "lumoraRole" gives them one. The factory is asked about every object
// that gets the focus, the web engine's own included, some of them half built:
// it looks only at the widgets it was given, by address, before touching one.
std::unordered_set<const QObject*>& Named() {
  static std::unordered_set<const QObject*> named;
  return named;
}

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
  if (!Named().count(object)) return nullptr;
  auto* w = static_cast<QWidget*>(object);
  const QVariant role = w->property("lumoraRole");
  if (!role.isValid()) return nullptr;
  return new QAccessibleWidget(w, static_cast<QAccessible::Role>(role.toInt()), w->accessibleName());
}

}  // namespace

void NameForScreenReaders(QWidget* w, const char* name, QAccessible::Role role) {
  static const bool installed = (QAccessible::installFactory(RoleFactory), true);
  (void)installed;
  w->setAccessibleName(translate("Window", name));
  if (!dynamic_cast<ImageWidget*>(w)) return;
  w->setProperty("lumoraRole", role);
  if (Named().insert(w).second) QObject::connect(w, &QObject::destroyed, [](QObject* gone) { Named().erase(gone); });
}

}  // namespace lumora
