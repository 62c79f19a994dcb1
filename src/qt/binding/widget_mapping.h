#pragma once
// What the engine's dispatch sees of a widget: its type name, the
// ControlClass it declares (if any), whether it is a form, and how colour
// names land on it. One table for the stock Qt classes, the suite's own
// controls by their class names, host registrations over both, and per-widget
// dynamic properties over everything.
//
// Also which widgets a form's "Controls" lists: the ones a user placed, in
// creation order, descending into containers and tab pages but never into the
// inner parts of a composite widget.

#include <string>
#include <vector>

#include "palvex/qt/palvex_qt.h"

class QWidget;

namespace palvex::qt::detail {

struct Identity {
  std::string typeName;
  std::string controlClass;  // meaningful only when hasControlClass
  bool hasControlClass = false;
  Paint paint = Paint::None;
  bool form = false;
  bool suiteControl = false;  // one of the suite's own controls (paints itself)
  // The host set "TypeName" / "ControlClass" on the widget itself.
  bool typeNameOverridden = false;
  bool controlClassOverridden = false;
};

Identity identify(const QWidget* widget);

// The widgets a user placed on `container`, depth first in creation order.
std::vector<QWidget*> placedControls(QWidget* container);
// True when "Controls" of this widget means something: forms and containers.
bool holdsControls(const QWidget* widget);
// Widgets a user placed inside `widget` that are not its direct children's
// business: tab pages, the contents of a scroll area, stacked pages.
std::vector<QWidget*> pagesOf(QWidget* widget);
// True when the direct children of `widget` are placed controls (forms,
// group boxes, frames, splitters, plain containers).
bool childrenArePlaced(const QWidget* widget);
// Children that are never controls: windows, menus, size grips, splitter
// handles, the toolkit's own named parts.
bool neverPlaced(const QWidget* widget);

// The menu bar a form shows, if any.
QWidget* menuBarOf(QWidget* form);

}  // namespace palvex::qt::detail
