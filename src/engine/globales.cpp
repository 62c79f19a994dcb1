#include "engine/globales.h"

#include "elements/apply_context.h"
#include "palvex/element.h"
#include "palvex/tema.h"
#include "settings/theme_name.h"

namespace palvex::globales {
namespace {

// The form element hands every control that is not a frame to the first
// Tema, whichever Tema configures the form.
void themeThroughFirstTema(const Variant& control) {
  if (std::shared_ptr<Tema> tema = state().firstTema) tema->Aplicar(control);
}

void handDownApplyContext() {
  detail::ApplyContext& context = detail::applyContext();
  context.formBackColorCache = 0;
  context.themeControl = themeThroughFirstTema;
}

// At library load, before any element can be applied.
const bool kContextHandedDown = (handDownApplyContext(), true);

}  // namespace

State& state() {
  static State s;
  return s;
}

void resetState() {
  state() = State{};
  settings::currentThemeName().clear();
  handDownApplyContext();
}

}  // namespace palvex::globales
