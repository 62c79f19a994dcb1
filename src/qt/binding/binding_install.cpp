// The binding's entry points: the adapter of a widget, the fixed style, and
// what install() wires into the engine.

#include "qt/binding/binding_install.h"

#include <QApplication>
#include <QPointer>

#include "palvex/qt/palvex_qt.h"
#include "palvex/shared_utility.h"
#include "qt/binding/flat_style.h"
#include "qt/binding/qt_shared_utility.h"
#include "qt/binding/registry.h"
#include "qt/binding/system_palette.h"

namespace palvex::qt {
namespace detail {

void installBinding() {
  static QPointer<QObject> installedFor;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || installedFor == app) return;
  installedFor = app;
  Registry::instance();
  installSystemPalette();
  installSharedUtility(makeQtSharedUtility());
}

}  // namespace detail

Variant object(QWidget* widget) {
  if (!widget) return Variant(Nothing{});
  return Variant(detail::Registry::instance().object(widget));
}

QWidget* widgetOf(const Variant& value) {
  if (!value.isObject()) return nullptr;
  const auto* adapter = dynamic_cast<const detail::WidgetObject*>(value.objectRef().get());
  return adapter ? adapter->widget() : nullptr;
}

QStyle* flatStyle() {
  static QPointer<detail::FlatStyle> style;
  if (!style) {
    style = new detail::FlatStyle;
    style->setParent(QCoreApplication::instance());
  }
  return style.data();
}

void useFlatStyleEverywhere() { QApplication::setStyle(flatStyle()); }

}  // namespace palvex::qt
