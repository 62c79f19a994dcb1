// The typed getters and setters reach the property they are named after.

#include <functional>

#include <gtest/gtest.h>

#include "element_test_support.h"

namespace palvex {
namespace {

struct Accessor {
  std::string_view name;
  std::function<std::int32_t(Element&)> get;
  std::function<void(Element&, std::int32_t)> set;
};

#define ACCESSOR(Class, getter, setter)                                                              \
  Accessor {                                                                                         \
    #getter, [](Element& e) { return static_cast<std::int32_t>(static_cast<Class&>(e).getter()); }, \
        [](Element& e, std::int32_t v) {                                                             \
          auto& typed = static_cast<Class&>(e);                                                      \
          typed.setter(static_cast<decltype(typed.getter())>(v));                                    \
        }                                                                                            \
  }

struct ClassAccessors {
  std::string_view className;
  std::vector<Accessor> accessors;  // property order
};

std::vector<ClassAccessors> allAccessors() {
  return {
      {"CCommandButton",
       {ACCESSOR(CCommandButton, foreColor, setForeColor), ACCESSOR(CCommandButton, foreColorFocused, setForeColorFocused),
        ACCESSOR(CCommandButton, foreColorDisabled, setForeColorDisabled),
        ACCESSOR(CCommandButton, BackColor, setBackColor), ACCESSOR(CCommandButton, backColorFocused, setBackColorFocused),
        ACCESSOR(CCommandButton, backColorDisabled, setBackColorDisabled)}},
      {"CGrid",
       {ACCESSOR(CGrid, BackColor, setBackColor), ACCESSOR(CGrid, backColorBkg, setBackColorBkg),
        ACCESSOR(CGrid, backColorFixed, setBackColorFixed), ACCESSOR(CGrid, backColorSel, setBackColorSel),
        ACCESSOR(CGrid, foreColor, setForeColor), ACCESSOR(CGrid, foreColorFixed, setForeColorFixed),
        ACCESSOR(CGrid, foreColorSel, setForeColorSel), ACCESSOR(CGrid, gridColor, setGridColor),
        ACCESSOR(CGrid, gridColorFixed, setGridColorFixed), ACCESSOR(CGrid, borderStyle, setBorderStyle)}},
      {"CText",
       {ACCESSOR(CText, borderColor, setBorderColor), ACCESSOR(CText, borderColorFocused, setBorderColorFocused),
        ACCESSOR(CText, foreColor, setForeColor), ACCESSOR(CText, foreColorFocused, setForeColorFocused),
        ACCESSOR(CText, BackColor, setBackColor), ACCESSOR(CText, backColorFocused, setBackColorFocused)}},
      {"CTabStrip",
       {ACCESSOR(CTabStrip, TabBackColor, setTabBackColor), ACCESSOR(CTabStrip, TabBackColorSelected, setTabBackColorSelected),
        ACCESSOR(CTabStrip, TabBorderColorHover, setTabBorderColorHover),
        ACCESSOR(CTabStrip, TabInnerBorder, setTabInnerBorder),
        ACCESSOR(CTabStrip, TabInnerBorderSelected, setTabInnerBorderSelected),
        ACCESSOR(CTabStrip, TabBorderColor, setTabBorderColor),
        ACCESSOR(CTabStrip, TabBorderColorSelected, setTabBorderColorSelected),
        ACCESSOR(CTabStrip, borderColor, setBorderColor)}},
      {"CCheckBox", {ACCESSOR(CCheckBox, foreColor, setForeColor), ACCESSOR(CCheckBox, CheckColor, setCheckColor)}},
      {"CLabel", {ACCESSOR(CLabel, foreColor, setForeColor)}},
      {"CToolBar", {ACCESSOR(CToolBar, BackColor, setBackColor)}},
      {"CStatusBar", {ACCESSOR(CStatusBar, BackColor, setBackColor)}},
      {"CForm", {ACCESSOR(CForm, BackColor, setBackColor), ACCESSOR(CForm, MenuColor, setMenuColor)}},
      {"CShape", {ACCESSOR(CShape, borderColor, setBorderColor)}},
  };
}

class TypedAccessorsTest : public testing::ElementTest {};

TEST_F(TypedAccessorsTest, EachAccessorReachesThePropertyOfItsName) {
  for (const ClassAccessors& c : allAccessors()) {
    SCOPED_TRACE(c.className);
    auto element = createElement(c.className);
    ASSERT_EQ(c.accessors.size(), element->table().properties.size());
    for (std::size_t i = 0; i < c.accessors.size(); ++i)
      c.accessors[i].set(*element, static_cast<std::int32_t>(100 + i));
    for (std::size_t i = 0; i < c.accessors.size(); ++i) {
      const Accessor& a = c.accessors[i];
      EXPECT_EQ(element->table().properties[i].name, a.name);
      EXPECT_EQ(a.get(*element), static_cast<std::int32_t>(100 + i)) << a.name;
      EXPECT_EQ(element->get(a.name).toInt32(), static_cast<std::int32_t>(100 + i)) << a.name;
    }
  }
}

}  // namespace
}  // namespace palvex
