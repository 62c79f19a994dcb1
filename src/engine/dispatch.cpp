// Applying a theme: which element is responsible for a control. A control may
// theme itself (aplicarTema), declare its kind (ControlClass), or be known by
// its type name. Nothing escapes Aplicar: a failure ends that control only.

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "elements/apply_context.h"
#include "elements/control_access.h"
#include "palvex/control_types.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
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

// How deep Aplicar is nested on the one thread that themes: a composite
// control has its buttons themed one level deeper, and a control's own
// aplicarTema may call back. A host whose pickButton hands back the control
// itself or one it sits in, or nests without end, must not take the host down.
struct Nesting {
  static constexpr std::size_t kNoCut = static_cast<std::size_t>(-1);
  int depth = 0;
  std::vector<const Object*> composites;  // slideButtons being walked, outermost first
  // The walks from this position of `composites` inward end at once: they
  // lead back into themselves, or nest past the bound.
  std::size_t cut = kNoCut;
};

Nesting& nesting() {
  static Nesting n;
  return n;
}

// Far deeper than any real form nests composite controls.
constexpr int kMaxApplyDepth = 64;

class NestedApply {
 public:
  NestedApply() { ++nesting().depth; }
  ~NestedApply() {
    if (--nesting().depth == 0) nesting().cut = Nesting::kNoCut;
  }
  NestedApply(const NestedApply&) = delete;
  NestedApply& operator=(const NestedApply&) = delete;
};

// One slideButton being walked, for as long as its loop runs.
class CompositeWalk {
 public:
  explicit CompositeWalk(const Object& composite) : position_(nesting().composites.size()) {
    nesting().composites.push_back(&composite);
  }
  ~CompositeWalk() {
    Nesting& n = nesting();
    n.composites.pop_back();
    if (n.cut == position_) n.cut = Nesting::kNoCut;  // the broken walk is over
  }
  CompositeWalk(const CompositeWalk&) = delete;
  CompositeWalk& operator=(const CompositeWalk&) = delete;

  bool cut() const { return nesting().cut <= position_; }

  // False, and every walk from that composite inward cut, when `button` is a
  // composite being walked: theming it would start its walk over, for ever.
  static bool leadsOnward(const Object& button) {
    Nesting& n = nesting();
    auto found = std::ranges::find(n.composites, &button);
    if (found == n.composites.end()) return true;
    n.cut = std::min(n.cut, static_cast<std::size_t>(found - n.composites.begin()));
    return false;
  }

 private:
  std::size_t position_;
};

// Each button gets the whole procedure; the loop ends at the first index
// that yields nothing, when pickButton itself fails, or when the walk is cut.
void applySlideButton(Tema& tema, Object& composite) {
  CompositeWalk walk(composite);
  for (std::int16_t index = 0;; ++index) {
    std::array<Variant, 1> args{Variant(index)};
    Variant button = composite.call("pickButton", args);
    if (!button.isObject() || !CompositeWalk::leadsOnward(*button.objectRef())) return;
    tema.Aplicar(button);
    if (walk.cut() || index == INT16_MAX) return;
  }
}

}  // namespace

void Tema::Aplicar(const Variant& objeto) {
  if (nesting().depth >= kMaxApplyDepth) {
    nesting().cut = 0;  // every walk in progress ends
    return;
  }
  NestedApply level;
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
    if (controlClass == controlclass::kText) globales::sharedText()->Aplicar(objeto);
    else if (controlClass == controlclass::kTab) globales::sharedTabStrip()->Aplicar(objeto);
    else if (controlClass == controlclass::kButton) globales::sharedButton()->Aplicar(objeto);
    else if (controlClass == controlclass::kCheck) globales::sharedCheckBox()->Aplicar(objeto);
  } catch (...) {
    // Applying never reports an error; the host goes on with its next control.
  }
}

void Tema::aplicarPorTipo(const Variant& control) {
  Object& objeto = *control.objectRef();
  const std::string type = objeto.typeName();
  if (type == typenames::kGrid) {
    globales::sharedGrid()->Aplicar(control);
  } else if (type == typenames::kLabel || type == typenames::kOptionButton) {
    globales::sharedLabel()->Aplicar(control);
  } else if (type == typenames::kStatusBar) {
    globales::sharedStatusBar()->Aplicar(control);
  } else if (type == typenames::kToolbar) {
    globales::sharedToolBar()->Aplicar(control);
  } else if (type == typenames::kBoxedLabel) {
    applyBoxedLabel(objeto);
  } else if (type == typenames::kCheckBox) {
    applyStandardCheckBox(objeto);
  } else if (type == typenames::kPlainCheck) {
    applyPlainCheck(objeto);
  } else if (type == typenames::kShape) {
    globales::sharedShape()->Aplicar(control);
  } else if (type == typenames::kSlideButton) {
    applySlideButton(*this, objeto);
  }
}

void Tema::configurarFormulario(const Variant& f) { globales::sharedForm()->Aplicar(f); }

std::int32_t Tema::BackColor() { return globales::sharedForm()->BackColor(); }

std::int32_t Tema::LabelColor() { return globales::sharedLabel()->foreColor(); }

}  // namespace palvex
