#include "qt/binding/paint_table.h"

#include <array>

namespace palvex::qt::detail {
namespace {

using R = QPalette::ColorRole;

constexpr std::array<std::string_view, kSlotCount> kSlotNames = {
    "BackColor", "backColorFocused", "backColorDisabled",
    "backColorBkg", "backColorFixed", "backColorSel",
    "foreColor", "foreColorFocused", "foreColorDisabled",
    "foreColorFixed", "foreColorSel",
    "borderColor", "borderColorFocused",
    "gridColor", "gridColorFixed",
    "CheckColor",
    "TabBackColor", "TabBackColorSelected", "TabBorderColorHover", "TabInnerBorder", "TabInnerBorderSelected",
    "TabBorderColor", "TabBorderColorSelected",
    "",  // BarColor
};

SlotSet slotSet(std::initializer_list<Slot> list) {
  SlotSet set;
  for (Slot s : list) set.set(index(s));
  return set;
}

// --- Role rows per kind: which slot fills which role, per state. ---

constexpr RoleRow kFormRoles[] = {{R::Window, Slot::BackColor}};

constexpr RoleRow kButtonRoles[] = {
    {R::Button, Slot::BackColor, Slot::backColorFocused, Slot::backColorDisabled},
    {R::ButtonText, Slot::foreColor, Slot::foreColorFocused, Slot::foreColorDisabled},
};

// Text fields paint their field with Base; combo and spin boxes also draw
// their buttons with Button, and item views their entries with Text.
constexpr RoleRow kTextRoles[] = {
    {R::Base, Slot::BackColor, Slot::backColorFocused},
    {R::Button, Slot::BackColor, Slot::backColorFocused},
    {R::Text, Slot::foreColor, Slot::foreColorFocused},
    {R::ButtonText, Slot::foreColor, Slot::foreColorFocused},
};

constexpr RoleRow kCheckRoles[] = {
    {R::WindowText, Slot::foreColor},
    {R::Window, Slot::BackColor},
};

constexpr RoleRow kLabelRoles[] = {
    {R::WindowText, Slot::foreColor},
    {R::Window, Slot::BackColor},
};

// Cells are filled by the style from BackColor; the view's own background
// (where there are no cells) is Base.
constexpr RoleRow kGridRoles[] = {
    {R::Base, Slot::backColorBkg},
    {R::AlternateBase, Slot::BackColor},
    {R::Text, Slot::foreColor},
    {R::Highlight, Slot::backColorSel},
    {R::HighlightedText, Slot::foreColorSel},
};

constexpr RoleRow kToolbarRoles[] = {{R::Window, Slot::BarColor}, {R::Button, Slot::BarColor}};
constexpr RoleRow kStatusBarRoles[] = {{R::Window, Slot::BarColor}};
// Menus fill with whichever of these the item being drawn asks for.
constexpr RoleRow kMenuRoles[] = {
    {R::Window, Slot::BarColor}, {R::Base, Slot::BarColor}, {R::Button, Slot::BarColor}};

struct Tables {
  KindTable none;
  KindTable form{slotSet({Slot::BackColor}), kFormRoles};
  KindTable frame{slotSet({Slot::BackColor}), kFormRoles, true};
  KindTable button{slotSet({Slot::foreColor, Slot::foreColorFocused, Slot::foreColorDisabled, Slot::BackColor,
                          Slot::backColorFocused, Slot::backColorDisabled}),
                   kButtonRoles};
  KindTable text{slotSet({Slot::borderColor, Slot::borderColorFocused, Slot::foreColor, Slot::foreColorFocused,
                        Slot::BackColor, Slot::backColorFocused}),
                 kTextRoles};
  KindTable tab{slotSet({Slot::TabBackColor, Slot::TabBackColorSelected, Slot::TabBorderColorHover,
                       Slot::TabInnerBorder, Slot::TabInnerBorderSelected, Slot::TabBorderColor,
                       Slot::TabBorderColorSelected, Slot::borderColor}),
                {}};
  KindTable check{slotSet({Slot::foreColor, Slot::CheckColor, Slot::BackColor}), kCheckRoles, true};
  KindTable label{slotSet({Slot::foreColor, Slot::BackColor}), kLabelRoles, true};
  KindTable boxedLabel{slotSet({Slot::BackColor, Slot::borderColor, Slot::foreColor}), kLabelRoles, true};
  KindTable shape{slotSet({Slot::borderColor}), {}};
  KindTable grid{slotSet({Slot::BackColor, Slot::backColorBkg, Slot::backColorFixed, Slot::backColorSel,
                        Slot::foreColor, Slot::foreColorFixed, Slot::foreColorSel, Slot::gridColor,
                        Slot::gridColorFixed}),
                 kGridRoles, false, true};
  KindTable toolbar{{}, kToolbarRoles, true};
  KindTable statusBar{{}, kStatusBarRoles, true};
  KindTable menu{{}, kMenuRoles, true};
};

const Tables& tables() {
  static const Tables t;
  return t;
}

}  // namespace

// The names are ASCII: a length check and a plain case fold find one among
// two dozen faster than hashing the name.
std::optional<Slot> slotNamed(std::string_view name) {
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const std::string_view candidate = kSlotNames[i];
    if (candidate.size() != name.size() || candidate.empty()) continue;
    bool same = true;
    for (std::size_t k = 0; k < name.size() && same; ++k) same = fold(name[k]) == fold(candidate[k]);
    if (same) return static_cast<Slot>(i);
  }
  return std::nullopt;
}

std::string_view slotName(Slot slot) { return slot == Slot::None ? std::string_view{} : kSlotNames[index(slot)]; }

const KindTable& kindTable(Paint paint) {
  const Tables& t = tables();
  switch (paint) {
    case Paint::Form: return t.form;
    case Paint::Frame: return t.frame;
    case Paint::Button: return t.button;
    case Paint::Text: return t.text;
    case Paint::Tab: return t.tab;
    case Paint::Check: return t.check;
    case Paint::Label: return t.label;
    case Paint::BoxedLabel: return t.boxedLabel;
    case Paint::Shape: return t.shape;
    case Paint::Grid: return t.grid;
    case Paint::Toolbar: return t.toolbar;
    case Paint::StatusBar: return t.statusBar;
    case Paint::Menu: return t.menu;
    case Paint::Auto:
    case Paint::Properties:
    case Paint::None: break;
  }
  return t.none;
}

bool paintsStock(Paint paint) {
  return paint != Paint::Auto && paint != Paint::Properties && paint != Paint::None;
}

}  // namespace palvex::qt::detail
