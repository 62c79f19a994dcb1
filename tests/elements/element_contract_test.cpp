// What every element shares: defaults, saved texts, descriptors, round trips
// through the store and access by name, checked for all ten classes.

#include <gtest/gtest.h>

#include "element_test_support.h"
#include "palvex/text.h"

namespace palvex {
namespace {

using testing::ElementTest;
using testing::slotColour;

struct Row {
  std::string_view writtenKey;
  std::string_view descriptorName;
  std::string_view defaultText;  // decimal text Update writes for the default
};

struct ElementCase {
  std::string_view className;
  std::string_view sectionWord;
  std::vector<Row> rows;  // property order
  friend void PrintTo(const ElementCase& c, std::ostream* os) { *os << c.className; }
};

const std::vector<ElementCase>& elementCases() {
  static const std::vector<ElementCase> cases = {
      {"CCommandButton", "BUTTON",
       {{"foreColor", "foreColor", "16777215"},
        {"foreColorFocused", "foreColorFocused", "16777215"},
        {"foreColorDisabled", "foreColorDisabled", "8421504"},
        {"BackColor", "backColor", "13464583"},
        {"BackColorFocused", "backColorFocused", "12582912"},
        {"BackColorDisabled", "backColorDisabled", "16765904"}}},
      {"CGrid", "GRID",
       {{"backColor", "backColor", "16777215"},
        {"backColorBkg", "backColorBkg", "16777215"},
        {"backColorFixed", "backColorFixed", "16704207"},
        {"backColorSel", "backColorSel", "16711680"},
        {"foreColor", "foreColor", "4210752"},
        {"foreColorFixed", "ForeColorFixed", "4210752"},
        {"foreColorSel", "ForeColorSel", "16777215"},
        {"gridColor", "gridColor", "16627362"},
        {"gridColorFixed", "gridColorFixed", "16627362"},
        {"borderStyle", "borderStyle", "0"}}},
      {"CText", "TEXT",
       {{"borderColor", "borderColor", "16627362"},
        {"borderColorFocused", "borderColorFocused", "13464583"},
        {"foreColor", "foreColor", "4210752"},
        {"foreColorFocused", "foreColorFocused", "4210752"},
        {"BackColor", "backColor", "16777215"},
        {"backColorFocused", "backColorFocused", "16777215"}}},
      {"CTabStrip", "BUTTON",
       {{"TabBackColor", "TabBackColor", "16777215"},
        {"TabBackColorSelected", "TabBackColorSelected", "16777215"},
        {"TabBorderColorHover", "TabBorderColorHover", "16765904"},
        {"TabInnerBorder", "TabInnerBorder", "8438015"},
        {"TabInnerBorderSelected", "TabInnerBorderSelected", "16627362"},
        {"TabBorderColor", "TabBorderColor", "13464583"},
        {"TabBorderColorSelected", "TabBorderColorSelected", "16777215"},
        {"borderColor", "borderColor", "13464583"}}},
      {"CCheckBox", "CHECK", {{"foreColor", "foreColor", "8421504"}, {"CheckColor", "CheckColor", "8421504"}}},
      {"CLabel", "LABEL", {{"foreColor", "foreColor", "4210752"}}},
      {"CToolBar", "TOOLBAR", {{"BackColor", "backColor", "16704207"}}},
      {"CStatusBar", "STATUSBAR", {{"BackColor", "backColor", "16704207"}}},
      {"CForm", "FORM", {{"BackColor", "BackColor", "15653328"}, {"MenuColor", "MenuColor", "15653328"}}},
      {"CShape", "SHAPE", {{"BorderColor", "BorderColor", "16627362"}}},
  };
  return cases;
}

std::size_t slotOf(std::string_view className) {
  auto names = elementClassNames();
  return static_cast<std::size_t>(std::find(names.begin(), names.end(), className) - names.begin());
}

bool isBorderStyle(const Row& row) { return row.descriptorName == "borderStyle"; }

class EveryElement : public ElementTest, public ::testing::WithParamInterface<ElementCase> {};

TEST_P(EveryElement, UpdateWritesTheDefaultsUnderTheWrittenKeys) {
  const ElementCase& c = GetParam();
  auto element = createElement(c.className);
  EXPECT_EQ(element->typeName(), c.className);
  element->Update();

  SettingPairs expected;
  for (const Row& row : c.rows) expected.emplace_back(row.writtenKey, row.defaultText);
  EXPECT_EQ(section(c.sectionWord), expected);
}

TEST_P(EveryElement, DescribesEachPropertyInOrder) {
  const ElementCase& c = GetParam();
  auto element = createElement(c.className);
  std::vector<DescriptorPropiedad> expected;
  for (const Row& row : c.rows) {
    if (isBorderStyle(row))
      expected.push_back({std::string(row.descriptorName), 1, 0, 1, 0});
    else
      expected.push_back({std::string(row.descriptorName), 0, 0, 0, std::stoi(std::string(row.defaultText))});
  }
  EXPECT_EQ(element->propDesc(), expected);
}

TEST_P(EveryElement, ValuesSetByDescriptorNameSurviveUpdateAndRecreation) {
  const ElementCase& c = GetParam();
  const std::size_t slot = slotOf(c.className);
  auto valueFor = [&](std::size_t i) {
    return isBorderStyle(c.rows[i]) ? static_cast<std::int32_t>(i) : slotColour(slot, i);
  };
  auto element = createElement(c.className);
  for (std::size_t i = 0; i < c.rows.size(); ++i)
    ASSERT_EQ(element->trySet(text::upper(c.rows[i].descriptorName), Variant(valueFor(i))), Lookup::Found)
        << c.rows[i].descriptorName;
  element->Update();

  // The next element reads under the read keys, which differ in case for some.
  auto reread = createElement(c.className);
  for (std::size_t i = 0; i < c.rows.size(); ++i) EXPECT_EQ(reread->value(i), valueFor(i)) << c.rows[i].writtenKey;
}

TEST_P(EveryElement, DescriptorCollectionsAreSnapshots) {
  const ElementCase& c = GetParam();
  auto element = createElement(c.className);
  auto first = element->call("propDesc").toObject();
  auto second = element->call("PROPDESC").toObject();
  ASSERT_NE(first, second);
  EXPECT_EQ(first->get("Count").toInt32(), static_cast<std::int32_t>(c.rows.size()));

  auto record = first->call("Item", {Variant(1)}).toObject();
  EXPECT_EQ(record->get("propName").toString(), c.rows[0].descriptorName);
  record->set("valor", Variant(123));
  EXPECT_EQ(record->get("valor").toInt32(), 123);
  EXPECT_EQ(second->call("Item", {Variant(1)}).toObject()->get("valor").toString(), c.rows[0].defaultText);
  EXPECT_EQ(std::to_string(element->value(0)), c.rows[0].defaultText);
}

INSTANTIATE_TEST_SUITE_P(Elements, EveryElement, ::testing::ValuesIn(elementCases()),
                         [](const auto& param) { return std::string(param.param.className); });

class ElementContractTest : public ElementTest {};

TEST_F(ElementContractTest, DescriptorCollectionItemsAreOneBasedAndEnumerable) {
  auto grid = CGrid::create();
  grid->setBorderStyle(1);
  auto collection = grid->call("propDesc").toObject();
  EXPECT_PALVEX_ERROR(collection->call("Item", {Variant(0)}), ErrorNumber::Subscript, "position 0");
  EXPECT_PALVEX_ERROR(collection->call("Item", {Variant(11)}), ErrorNumber::Subscript, "position 11");

  auto border = collection->call("Item", {Variant(10)}).toObject();
  EXPECT_EQ(border->typeName(), "DescriptorPropiedad");
  EXPECT_EQ(border->get("propName").toString(), "borderStyle");
  EXPECT_EQ(border->get("propType").toInt32(), 1);
  EXPECT_EQ(border->get("numMin").toInt32(), 0);
  EXPECT_EQ(border->get("numMax").toInt32(), 1);
  EXPECT_EQ(border->get("valor").toInt32(), 0);  // whatever the grid holds

  std::vector<std::string> names;
  for (const Variant& item : collection->enumerate()) names.push_back(item.toObject()->get("propName").toString());
  EXPECT_EQ(names.front(), "backColor");
  EXPECT_EQ(names.at(5), "ForeColorFixed");
  EXPECT_EQ(names.size(), 10u);
}

TEST_F(ElementContractTest, BorderStyleIsSixteenBitsWide) {
  auto grid = CGrid::create();
  EXPECT_PALVEX_ERROR(grid->set("BORDERSTYLE", Variant(40000)), ErrorNumber::Overflow, "");
  EXPECT_PALVEX_ERROR(grid->setValue(CGrid::kBorderStyle, -32769), ErrorNumber::Overflow, "borderStyle");
  EXPECT_EQ(grid->borderStyle(), 0);

  grid->set("borderStyle", Variant(-32768));
  EXPECT_EQ(grid->borderStyle(), -32768);
  EXPECT_EQ(grid->get("borderStyle"), Variant(std::int16_t{-32768}));
  grid->Update();
  EXPECT_EQ(CGrid::create()->borderStyle(), -32768);
}

TEST_F(ElementContractTest, StoredBorderStyleTooWideFailsCreation) {
  storeValue("GRID", "borderStyle", "40000");
  EXPECT_PALVEX_ERROR(CGrid::create(), ErrorNumber::Overflow, "");
  storeValue("GRID", "borderStyle", "7");  // outside 0..1 but 16-bit: kept as it is
  EXPECT_EQ(CGrid::create()->borderStyle(), 7);
}

TEST_F(ElementContractTest, StoredColoursAreReadUnderEitherCapitalisation) {
  storeValue("BUTTON", "BackColorFocused", "1");
  storeValue("TEXT", "FORECOLOR", "2");
  storeValue("CHECK", "CheckColor", "3");
  storeValue("STATUSBAR", "BackColor", "-2147483633");
  EXPECT_EQ(CCommandButton::create()->backColorFocused(), 1);
  EXPECT_EQ(CText::create()->foreColor(), 2);
  EXPECT_EQ(CCheckBox::create()->CheckColor(), 3);
  EXPECT_EQ(CStatusBar::create()->BackColor(), -2147483633);
}

TEST_F(ElementContractTest, SharedButtonSectionKeepsBothElementsApart) {
  auto button = CCommandButton::create();
  auto tabs = CTabStrip::create();
  for (std::size_t i = 0; i < 6; ++i) button->setValue(i, slotColour(0, i));
  for (std::size_t i = 0; i < 8; ++i) tabs->setValue(i, slotColour(3, i));
  button->Update();
  tabs->Update();
  EXPECT_EQ(section("BUTTON").size(), 14u);
  auto buttonAgain = CCommandButton::create();
  auto tabsAgain = CTabStrip::create();
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(buttonAgain->value(i), slotColour(0, i));
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(tabsAgain->value(i), slotColour(3, i));
}

TEST_F(ElementContractTest, ElementsAreCreatedByClassName) {
  std::vector<std::string_view> names(elementClassNames().begin(), elementClassNames().end());
  EXPECT_EQ(names, (std::vector<std::string_view>{"CCommandButton", "CGrid", "CText", "CTabStrip", "CCheckBox",
                                                  "CLabel", "CToolBar", "CStatusBar", "CForm", "CShape"}));
  for (std::string_view name : names) EXPECT_EQ(createElement(name)->typeName(), name);
  EXPECT_EQ(createElement("cshape")->typeName(), "CShape");
  EXPECT_PALVEX_ERROR(createElement("CButton"), ErrorNumber::InvalidCall, "CCommandButton, CGrid, CText");
}

TEST_F(ElementContractTest, LateBoundCallsCheckTheirArguments) {
  auto label = CLabel::create();
  EXPECT_PALVEX_ERROR(label->call("Aplicar"), ErrorNumber::InvalidCall, "one control");
  Variant result;
  std::vector<Variant> args{Variant(1)};
  EXPECT_EQ(label->tryCall("foreColor", args, result), Lookup::NoMember);
  EXPECT_EQ(label->call("FORECOLOR").toInt32(), 0x404040);
  EXPECT_PALVEX_ERROR(label->set("foreColor", Variant("azul")), ErrorNumber::TypeMismatch, "");
  EXPECT_EQ(label->foreColor(), 0x404040);
  EXPECT_EQ(label->tryGet("Colour", result), Lookup::NoMember);
  EXPECT_EQ(label->trySet("Colour", Variant(1)), Lookup::NoMember);
}

}  // namespace
}  // namespace palvex
