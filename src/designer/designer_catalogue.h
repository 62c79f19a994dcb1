#pragma once
// Saving a combination: the catalogue entry of a new name and the values of
// the ten shared elements, written as one unit.

#include <string>

namespace palvex {
class Tema;
}

namespace palvex::designer::detail {

// Under the current theme name (the caller has made `name` current): when
// `addEntry`, a catalogue entry for `name` under the index after the highest
// in use (0 for an empty catalogue); then Update of the ten shared elements,
// check box first and shape last. All of it lands or none: an error (a full
// catalogue, a failing store) leaves the store as it was and reaches the caller.
void saveCombination(Tema& catalogue, const std::string& name, bool addEntry);

}  // namespace palvex::designer::detail
