#include <array>

#include "palvex/elements.h"
#include "palvex/text.h"

namespace palvex {
namespace {

using Factory = std::shared_ptr<Element> (*)();

template <class T>
std::shared_ptr<Element> make() {
  return T::create();
}

// Shared-slot order.
constexpr std::array<std::string_view, 10> kNames = {
    "CCommandButton", "CGrid", "CText", "CTabStrip", "CCheckBox",
    "CLabel", "CToolBar", "CStatusBar", "CForm", "CShape",
};
constexpr std::array<Factory, 10> kFactories = {
    make<CCommandButton>, make<CGrid>, make<CText>, make<CTabStrip>, make<CCheckBox>,
    make<CLabel>, make<CToolBar>, make<CStatusBar>, make<CForm>, make<CShape>,
};

std::string validNames() {
  std::string list;
  for (std::string_view name : kNames) {
    if (!list.empty()) list += ", ";
    list += name;
  }
  return list;
}

}  // namespace

std::shared_ptr<Element> createElement(std::string_view className) {
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (text::equalsIgnoreCase(kNames[i], className)) return kFactories[i]();
  throw invalidCallError("no element class is named \"" + std::string(className) + "\"; the element classes are " +
                         validNames());
}

std::span<const std::string_view> elementClassNames() { return kNames; }

std::span<const ElementTable* const> elementTables() {
  static const std::array<const ElementTable*, 10> tables = {
      &CCommandButton::classTable(), &CGrid::classTable(),  &CText::classTable(),   &CTabStrip::classTable(),
      &CCheckBox::classTable(),      &CLabel::classTable(), &CToolBar::classTable(), &CStatusBar::classTable(),
      &CForm::classTable(),          &CShape::classTable(),
  };
  return tables;
}

}  // namespace palvex
