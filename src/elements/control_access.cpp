#include "elements/control_access.h"

#include "palvex/element.h"
#include "palvex/text.h"

namespace palvex::detail {

std::optional<bool> tagHoldsOverride(Object& control) {
  try {
    Variant tag;
    if (control.tryGet("Tag", tag) == Lookup::NoMember) return std::nullopt;
    return text::containsIgnoreCase(tag.toString(), kOverrideMarker);
  } catch (...) {  // a host control may throw anything, not only our errors
    return std::nullopt;
  }
}

void writeQuietly(Object& control, std::string_view property, const Variant& value) {
  try {
    control.trySet(property, value);
  } catch (...) {
    // The control refused the value: it keeps what it had.
  }
}

}  // namespace palvex::detail

namespace palvex {

bool overrideOrUnreadableTag(Object& control) { return detail::tagHoldsOverride(control).value_or(true); }

}  // namespace palvex
