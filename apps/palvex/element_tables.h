#pragma once
// The element classes as the tool names them: their property tables, and the
// checks that turn a typed class or property name into one the engine knows.

#include <cstddef>
#include <span>
#include <string_view>

#include "palvex/element.h"
#include "palvex/elements.h"

namespace palvex::cli {

using palvex::elementTables;  // the ten tables in shared-slot order

// The table of the class named `className` (case-blind); UserError listing
// the valid class names when there is none.
const ElementTable& requireElementTable(std::string_view className);

// Position of the property reached by `name` (its own or its descriptor name,
// case-blind); UserError listing the class's properties when there is none.
std::size_t requireProperty(const ElementTable& table, std::string_view name);

}  // namespace palvex::cli
