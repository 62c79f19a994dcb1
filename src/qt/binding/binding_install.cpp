// Placeholder until the binding lands: the entry points exist, nothing is wired.

#include "qt/binding/binding_install.h"

#include "palvex/qt/palvex_qt.h"

namespace palvex::qt {
namespace detail {
void installBinding() {}
}  // namespace detail

Variant object(QWidget*) { return Variant(Nothing{}); }

}  // namespace palvex::qt
