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

#include "palvex/variant.h"

class QWidget;

namespace palvex::qt {

// Idempotent. Requires a live QApplication.
void install();

// The engine's view of `widget`: one adapter per widget for the widget's
// life. Nothing for a null widget.
Variant object(QWidget* widget);

}  // namespace palvex::qt
