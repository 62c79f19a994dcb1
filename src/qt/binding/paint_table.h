#pragma once
// Where each colour property the engine writes lands on a stock widget: the
// slots an adapter keeps per widget, and per kind of widget the palette roles
// each slot fills in each state. What the palette cannot say (borders, tabs,
// grid lines, the check mark) the flat style reads from the slots directly.

#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include <QPalette>

#include "palvex/qt/palvex_qt.h"

namespace palvex::qt::detail {

enum class Slot : std::uint8_t {
  BackColor, backColorFocused, backColorDisabled,
  backColorBkg, backColorFixed, backColorSel,
  foreColor, foreColorFocused, foreColorDisabled,
  foreColorFixed, foreColorSel,
  borderColor, borderColorFocused,
  gridColor, gridColorFixed,
  CheckColor,
  TabBackColor, TabBackColorSelected, TabBorderColorHover, TabInnerBorder, TabInnerBorderSelected,
  TabBorderColor, TabBorderColorSelected,
  // Given by the window calls, not by name: the toolbar's class background,
  // the status-bar colour, the menu brush.
  BarColor,
  None,
};
inline constexpr std::size_t kSlotCount = static_cast<std::size_t>(Slot::None);
using SlotSet = std::bitset<kSlotCount>;

constexpr std::size_t index(Slot slot) { return static_cast<std::size_t>(slot); }

// The slot an engine property name stands for (case-blind); nullopt for any
// other name. BarColor has no name.
std::optional<Slot> slotNamed(std::string_view name);
std::string_view slotName(Slot slot);

// One palette role of a kind: the slot that fills it in the normal state, and
// the ones for the focused and disabled states (None: the normal one).
struct RoleRow {
  QPalette::ColorRole role;
  Slot normal;
  Slot focused = Slot::None;
  Slot disabled = Slot::None;
};

struct KindTable {
  SlotSet accepted;              // the names a widget of this kind takes
  std::span<const RoleRow> roles;
  bool fillsBackground = false;  // paints its Window role itself (autoFillBackground)
  bool takesBorderStyle = false;
};

const KindTable& kindTable(Paint paint);

// True for kinds whose colours the binding paints through the palette and the
// flat style (every stock kind), false for Auto, Properties and None.
bool paintsStock(Paint paint);

}  // namespace palvex::qt::detail
