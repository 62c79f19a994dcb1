// Applying a theme: which element is responsible for a control. A control may
// theme itself (aplicarTema), declare its kind (ControlClass), or be known by
// its type name. Nothing escapes Aplicar: a failure ends that control only.

#include <array>
#include <string>

#include "elements/apply_context.h"
#include "elements/control_access.h"
#include "palvex/globales.h"
#include "palvex/elements.h"
#include "palvex/tema.h"

namespace palvex {
namespace {

// Reads ControlClass as text; false when the control declares no class.
bool readControlClass(Object& control, std::string& out) {
  try {
    Variant value;
    if (control.tryGet("ControlClass", value) != Lookup::Found) return false;
    out = value.toString();
    return true;
  } catch (...) {
    return false;
  }
}

// A framed label takes the text element's colours unless it opts out.
void applyBoxedLabel(Object& control) {
  ApplyBracket bracket(control);
  auto marked = detail::tagHoldsOverride(control);
  if (!marked || *marked) return;  // opted out, or a Tag that cannot be read
  control.set("BackColor", globales::sharedText()->BackColor());
  control.set("borderColor", globales::sharedText()->borderColor());
  control.set("foreColor", globales::sharedText()->foreColor());
}

void applyStandardCheckBox(Object& control) {
  ApplyBracket bracket(control);
  control.set("foreColor", globales::sharedLabel()->foreColor());
  control.set("BackColor", detail::applyContext().formBackColorCache);
}

void applyPlainCheck(Object& control) {
  ApplyBracket bracket(control);
  control.set("foreColor", globales::sharedLabel()->foreColor());
  control.set("foreColorFocused", globales::sharedLabel()->foreColor());
  control.set("foreColorDisabled", globales::sharedButton()->backColorDisabled());
}

}  // namespace

void Tema::Aplicar(const Variant& objeto) {
  try {
    if (!objeto.isObject()) return;  // an empty reference has nothing to theme
    const ObjectRef& control = objeto.objectRef();

    try {
      std::array<Variant, 1> args{Variant(shared_from_this())};
      Variant ignored;
      if (control->tryCall("aplicarTema", args, ignored) == Lookup::Found) return;
    } catch (...) {
      // The control tried and failed: fall through to the other ways in.
    }

    std::string controlClass;
    if (!readControlClass(*control, controlClass)) {
      aplicarPorTipo(objeto);
      return;
    }
    if (controlClass == "TEXT") globales::sharedText()->Aplicar(objeto);
    else if (controlClass == "TAB") globales::sharedTabStrip()->Aplicar(objeto);
    else if (controlClass == "BUTTON") globales::sharedButton()->Aplicar(objeto);
    else if (controlClass == "CHECK") globales::sharedCheckBox()->Aplicar(objeto);
  } catch (...) {
    // Applying never reports an error; the host goes on with its next control.
  }
}

void Tema::aplicarPorTipo(const Variant& control) {
  Object& objeto = *control.objectRef();
  const std::string type = objeto.typeName();
  if (type == "MSFlexGrid") {
    globales::sharedGrid()->Aplicar(control);
  } else if (type == "Label" || type == "OptionButton") {
    globales::sharedLabel()->Aplicar(control);
  } else if (type == "StatusBar") {
    globales::sharedStatusBar()->Aplicar(control);
  } else if (type == "Toolbar") {
    globales::sharedToolBar()->Aplicar(control);
  } else if (type == "boxedLabel") {
    applyBoxedLabel(objeto);
  } else if (type == "CheckBox") {
    applyStandardCheckBox(objeto);
  } else if (type == "plainCheck") {
    applyPlainCheck(objeto);
  } else if (type == "Shape") {
    globales::sharedShape()->Aplicar(control);
  } else if (type == "slideButton") {
    // Each button gets the whole procedure; the loop ends at the first index
    // that yields nothing, or when pickButton itself fails.
    for (std::int16_t index = 0;; ++index) {
      std::array<Variant, 1> args{Variant(index)};
      Variant button = objeto.call("pickButton", args);
      if (!button.isObject()) return;
      Aplicar(button);
      if (index == INT16_MAX) return;
    }
  }
}

void Tema::configurarFormulario(const Variant& f) { globales::sharedForm()->Aplicar(f); }

std::int32_t Tema::BackColor() { return globales::sharedForm()->BackColor(); }

std::int32_t Tema::LabelColor() { return globales::sharedLabel()->foreColor(); }

}  // namespace palvex
