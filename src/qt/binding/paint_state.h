#pragma once
// The colours the engine gave one stock widget, as written (system colours
// unresolved), and the state they are shown in. The palette is built from
// them; the flat style reads the ones no palette role carries.

#include <array>
#include <cstdint>
#include <optional>

#include <QColor>

#include "palvex/system_colours.h"
#include "qt/binding/paint_table.h"

namespace palvex::qt::detail {

struct PaintState {
  Paint paint = Paint::None;
  std::array<std::int32_t, kSlotCount> values{};
  SlotSet written;
  std::optional<std::int16_t> borderStyle;
  bool focused = false;

  bool has(Slot slot) const { return slot != Slot::None && written.test(index(slot)); }
  std::optional<std::int32_t> raw(Slot slot) const {
    if (!has(slot)) return std::nullopt;
    return values[index(slot)];
  }
  // The colour to paint now; nullopt when never written or naming nothing.
  std::optional<QColor> colour(Slot slot) const {
    if (!has(slot)) return std::nullopt;
    const std::optional<std::int32_t> rgb = resolveColour(values[index(slot)]);
    if (!rgb) return std::nullopt;
    return QColor(*rgb & 0xFF, (*rgb >> 8) & 0xFF, (*rgb >> 16) & 0xFF);
  }
  // The focused slot while focused (falling back to the normal one).
  std::optional<QColor> forFocus(Slot normal, Slot whenFocused) const {
    if (focused)
      if (auto c = colour(whenFocused)) return c;
    return colour(normal);
  }
  bool usesSystemColour() const {
    for (std::size_t i = 0; i < kSlotCount; ++i)
      if (written.test(i) && isSystemColour(values[i])) return true;
    return false;
  }
};

}  // namespace palvex::qt::detail
