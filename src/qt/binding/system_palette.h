#pragma once
// System colours (0x800000NN) answered from the application palette, and
// followed when the application palette changes.

#include <optional>
#include <utility>

#include <QPalette>

namespace palvex::qt::detail {

// The palette group and role that stands for system colour `index`; nullopt
// for an index Qt has no role for (the engine's default colour applies).
std::optional<std::pair<QPalette::ColorGroup, QPalette::ColorRole>> systemColourRole(int index);

// Installs the resolver and starts following the application palette.
void installSystemPalette();

}  // namespace palvex::qt::detail
