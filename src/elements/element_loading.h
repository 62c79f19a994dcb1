#pragma once
// Loading an element's values from a theme: what a new element does at
// creation, also used to read a theme other than the current one.

#include <cstdint>
#include <string_view>
#include <vector>

#include "palvex/element.h"

namespace palvex::detail {

// The values a new element of `table` loads from `themeName`, in property
// order, read in the table's reading order inside one ElementLoadScope.
// Throws what the lookup throws, and an overflow for a value too wide for
// its property.
std::vector<std::int32_t> loadElementValues(const ElementTable& table, std::string_view themeName);

// Throws an overflow naming the property when `value` does not fit it.
void checkPropertyWidth(const ElementTable& table, std::size_t index, std::int32_t value);

}  // namespace palvex::detail
