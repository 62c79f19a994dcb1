// The ten shared element accessors.

#include "palvex/globales.h"

#include "elements/apply_context.h"
#include "engine/globales.h"
#include "palvex/elements.h"
#include "palvex/tema.h"
#include "palvex/text.h"
#include "settings/theme_name.h"

namespace palvex::globales {
namespace {

template <class T>
std::shared_ptr<T> sharedElement(Slot slot) {
  State& s = state();
  std::shared_ptr<Element>& held = s.sharedElements[static_cast<std::size_t>(slot)];
  // Created before the slot is touched: a failing creation keeps what was there.
  if (!held || s.reloadElements) held = T::create();
  return std::static_pointer_cast<T>(held);
}

}  // namespace

std::shared_ptr<CCommandButton> sharedButton() { return sharedElement<CCommandButton>(Slot::Button); }
std::shared_ptr<CGrid> sharedGrid() { return sharedElement<CGrid>(Slot::Grid); }
std::shared_ptr<CText> sharedText() { return sharedElement<CText>(Slot::Text); }
std::shared_ptr<CTabStrip> sharedTabStrip() { return sharedElement<CTabStrip>(Slot::TabStrip); }
std::shared_ptr<CCheckBox> sharedCheckBox() { return sharedElement<CCheckBox>(Slot::CheckBox); }
std::shared_ptr<CLabel> sharedLabel() { return sharedElement<CLabel>(Slot::Label); }
std::shared_ptr<CToolBar> sharedToolBar() { return sharedElement<CToolBar>(Slot::ToolBar); }
std::shared_ptr<CStatusBar> sharedStatusBar() { return sharedElement<CStatusBar>(Slot::StatusBar); }
std::shared_ptr<CForm> sharedForm() { return sharedElement<CForm>(Slot::Form); }
std::shared_ptr<CShape> sharedShape() { return sharedElement<CShape>(Slot::Shape); }

std::shared_ptr<Element> sharedElement(std::string_view className) {
  using Accessor = std::shared_ptr<Element> (*)();
  // Slot order, as elementClassNames() lists them.
  static constexpr Accessor kAccessors[] = {
      [] { return std::shared_ptr<Element>(sharedButton()); },
      [] { return std::shared_ptr<Element>(sharedGrid()); },
      [] { return std::shared_ptr<Element>(sharedText()); },
      [] { return std::shared_ptr<Element>(sharedTabStrip()); },
      [] { return std::shared_ptr<Element>(sharedCheckBox()); },
      [] { return std::shared_ptr<Element>(sharedLabel()); },
      [] { return std::shared_ptr<Element>(sharedToolBar()); },
      [] { return std::shared_ptr<Element>(sharedStatusBar()); },
      [] { return std::shared_ptr<Element>(sharedForm()); },
      [] { return std::shared_ptr<Element>(sharedShape()); },
  };
  const auto names = elementClassNames();
  std::string valid;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (text::equalsIgnoreCase(names[i], className)) return kAccessors[i]();
    valid += (i ? ", " : "") + std::string(names[i]);
  }
  throw invalidCallError("no shared element of class \"" + std::string(className) + "\"; the element classes are " +
                         valid);
}

std::string currentThemeName() { return settings::currentThemeName(); }
void setCurrentThemeName(std::string name) { settings::currentThemeName() = std::move(name); }
bool reloadElements() { return state().reloadElements; }
void setReloadElements(bool reload) { state().reloadElements = reload; }
std::shared_ptr<Tema> firstTema() { return state().firstTema; }
std::int32_t formBackColorCache() { return detail::applyContext().formBackColorCache; }
void resetEngine() { resetState(); }

}  // namespace palvex::globales
