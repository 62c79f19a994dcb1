#pragma once
// Telling the value observers of palvex/element.h about a change.

#include <cstddef>

namespace palvex {
class Element;
}

namespace palvex::detail {

void notifyValueChanged(const Element& element, std::size_t index);

}  // namespace palvex::detail
