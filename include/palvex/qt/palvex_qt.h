#pragma once
// The Qt 6 Widgets binding: a host needs three lines.
//
//   palvex::qt::install();                                   // once, after QApplication exists
//   auto tema = palvex::Tema::create();
//   tema->configurarFormulario(palvex::qt::object(window));  // or Aplicar(object(widget))
//
// install() makes the engine paint through Qt: toolbars, status bars, menu
// bars and menus registered with the window-call layer and repainted when
// their colours change, system colours answered from the application
// palette (and followed when it changes), a SharedUtility with Qt message
// boxes, and editarTema opening the designer window.
//
// Which element themes a widget follows one table (docs/qt-binding.md): the
// stock Qt classes are mapped onto the type names and ControlClass values the
// engine knows, the suite's own controls are known by their class names. A
// host changes the mapping per widget with the dynamic properties
// "ControlClass", "TypeName" and "Tag" (in code or in a .ui file), or per
// class with registerWidgetClass.

#include <string>
#include <string_view>

#include "palvex/qt/export.h"
#include "palvex/variant.h"

class QStyle;
class QWidget;

namespace palvex::qt {

// Idempotent. Requires a live QApplication.
PALVEX_QT_EXPORT void install();

// The engine's view of `widget`: one adapter per widget for the widget's
// life. Nothing for a null widget.
PALVEX_QT_EXPORT Variant object(QWidget* widget);

// The widget behind a value object() returned; nullptr for any other value
// and once the widget is gone.
PALVEX_QT_EXPORT QWidget* widgetOf(const Variant& object);

// How the engine's colour property names ("BackColor", "foreColorFocused",
// "TabInnerBorder", ...) land on a widget.
enum class Paint {
  Auto,        // from the ControlClass, else the type name (see docs/qt-binding.md)
  Properties,  // onto the widget's own Q_PROPERTYs of those names
  None,        // nowhere: the widget takes no colours
  Form,        // window background
  Frame,       // container background
  Button,      // face and caption, normal / focused / disabled
  Text,        // field, text and border, normal / focused
  Tab,         // tabs (normal, selected, hover, inner borders) and the page frame
  Check,       // caption and check mark
  Label,       // caption and background
  BoxedLabel,  // caption, background and border
  Shape,       // outline
  Grid,        // cells, fixed cells, selection, grid lines, border style
  Toolbar,     // background, from the window class brush
  StatusBar,   // background, from the status-bar colour
  Menu,        // menu bar and menu background, from the menu brush
};

struct WidgetClassMapping {
  // The type name the engine's dispatch sees; empty: the class name without
  // its namespace.
  std::string typeName;
  // The ControlClass the class declares ("TEXT", "TAB", "BUTTON", "CHECK");
  // empty: none, so that the dispatch goes by the type name.
  std::string controlClass;
  Paint paint = Paint::Auto;
};

// Maps the widget class named `className` (as its meta-object names it,
// "MyGrid" or "acme::MyGrid") and its subclasses, taking precedence over the
// stock table. Registering a name again replaces its mapping.
PALVEX_QT_EXPORT void registerWidgetClass(std::string_view className, WidgetClassMapping mapping);
template <class Widget>
void registerWidgetClass(WidgetClassMapping mapping) {
  registerWidgetClass(Widget::staticMetaObject.className(), std::move(mapping));
}
// False when the name was not registered.
PALVEX_QT_EXPORT bool unregisterWidgetClass(std::string_view className);

// The fixed style the binding gives the widgets it colours, so that every
// colour is painted flat and exactly. The binding owns it.
PALVEX_QT_EXPORT QStyle* flatStyle();
// Opt-in: makes the fixed style the application's style, for hosts that
// want every widget, themed or not, drawn the same way.
PALVEX_QT_EXPORT void useFlatStyleEverywhere();

}  // namespace palvex::qt
