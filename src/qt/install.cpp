// The entry point above all layers of the binding: it wires the binding and
// the designer into the engine.

#include "palvex/qt/palvex_qt.h"

#include <QApplication>

#include "palvex/tema.h"
#include "qt/binding/binding_install.h"
#include "designer/designer_install.h"

namespace palvex::qt {

void install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  detail::installBinding();
  installDesigner([] { designer::openDesigner(); });
}

}  // namespace palvex::qt
