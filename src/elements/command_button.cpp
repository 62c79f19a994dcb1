#include "elements/control_access.h"
#include "palvex/elements.h"

namespace palvex {
namespace {

constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property
    {"foreColor", "foreColor", "foreColor", 0xFFFFFF, "foreColor", "foreColor"},
    {"foreColorFocused", "foreColorFocused", "foreColorFocused", 0xFFFFFF, "foreColorFocused", "foreColorFocused"},
    {"foreColorDisabled", "foreColorDisabled", "foreColorDisabled", 0x808080, "foreColorDisabled", "foreColorDisabled"},
    {"BackColor", "BackColor", "BackColor", 0xCD7407, "backColor", "BackColor"},
    {"backColorFocused", "backColorFocused", "BackColorFocused", 0xC00000, "backColorFocused", "backColorFocused"},
    {"backColorDisabled", "backColorDisabled", "BackColorDisabled", 0xFFD3D0, "backColorDisabled", "backColorDisabled"},
};
constexpr ElementTable kTable{"CCommandButton", "BUTTON", kProperties, {}};

// What a failed read of Enabled leaves behind: the default of a boolean.
bool readEnabled(Object& control) {
  try {
    Variant enabled;
    return control.tryGet("Enabled", enabled) == Lookup::Found && enabled.toBool();
  } catch (...) {  // a host control may throw anything
    return false;
  }
}

}  // namespace

CCommandButton::CCommandButton() : Element(kTable) {}
const ElementTable& CCommandButton::classTable() { return kTable; }
std::shared_ptr<CCommandButton> CCommandButton::create() { return std::make_shared<CCommandButton>(); }

void CCommandButton::applyTo(Object& control) {
  const bool wasEnabled = readEnabled(control);
  detail::writeQuietly(control, "Enabled", Variant(true));
  applyStandard(control);
  if (!wasEnabled) detail::writeQuietly(control, "Enabled", Variant(false));
}

}  // namespace palvex
