// The ten shared element accessors.

#include "engine/shared_elements.h"

#include "engine/globales.h"
#include "palvex/elements.h"

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

}  // namespace palvex::globales
