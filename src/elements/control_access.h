#pragma once
// How elements touch a host control: the override marker in its Tag and
// writes whose refusal is not the element's concern. Missing members are
// ordinary answers here (no exception is raised for them).

#include <optional>
#include <string_view>

#include "palvex/control_types.h"
#include "palvex/object.h"

namespace palvex::detail {

using palvex::kOverrideMarker;

// Whether the control's Tag holds the override marker (any case, any
// position); nullopt when the Tag is missing or cannot be read as text.
std::optional<bool> tagHoldsOverride(Object& control);

// Sets a property, ignoring a missing member and any refusal of the control.
void writeQuietly(Object& control, std::string_view property, const Variant& value);

}  // namespace palvex::detail
