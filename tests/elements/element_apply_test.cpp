// Applying elements to controls: the standard writes, the override marker,
// controls that lack or refuse properties, and the button and label twists.

#include <gtest/gtest.h>

#include "element_test_support.h"

namespace palvex {
namespace {

using testing::ElementTest;
using testing::makeControl;
using testing::slotColour;
using testing::Writes;
using Write = PropertyBag::Write;

struct ApplyCase {
  std::string_view className;
  std::vector<std::string_view> controlProperties;  // in the order they are written
  friend void PrintTo(const ApplyCase& c, std::ostream* os) { *os << c.className; }
};

const std::vector<ApplyCase>& standardCases() {
  static const std::vector<ApplyCase> cases = {
      {"CGrid",
       {"BackColor", "backColorBkg", "backColorFixed", "backColorSel", "foreColor", "foreColorFixed",
        "foreColorSel", "gridColor", "gridColorFixed", "borderStyle"}},
      {"CText", {"borderColor", "borderColorFocused", "foreColor", "foreColorFocused", "BackColor", "backColorFocused"}},
      {"CTabStrip",
       {"TabBackColor", "TabBackColorSelected", "TabBorderColorHover", "TabInnerBorder", "TabInnerBorderSelected",
        "TabBorderColor", "TabBorderColorSelected", "borderColor"}},
      {"CCheckBox", {"foreColor", "CheckColor"}},
  };
  return cases;
}

// Gives each property its slot colour (the grid's border style 1) and
// returns the writes a willing control should see, in order.
Writes prepare(Element& element, const ApplyCase& c) {
  const auto names = elementClassNames();
  const auto slot = static_cast<std::size_t>(std::find(names.begin(), names.end(), c.className) - names.begin());
  Writes expected;
  for (std::size_t i = 0; i < c.controlProperties.size(); ++i) {
    const bool border = c.controlProperties[i] == "borderStyle";
    element.setValue(i, border ? 1 : slotColour(slot, i));
    expected.push_back({std::string(c.controlProperties[i]),
                        border ? Variant(std::int16_t{1}) : Variant(slotColour(slot, i))});
  }
  return expected;
}

std::shared_ptr<PropertyBag> controlFor(const ApplyCase& c, const char* tag = "") {
  auto control = PropertyBag::make("Control");
  for (std::string_view p : c.controlProperties) control->declare(p);
  if (tag) control->declare("Tag", Variant(tag));
  return control;
}

class StandardApply : public ElementTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(StandardApply, WritesEveryControlPropertyInOrder) {
  auto element = createElement(GetParam().className);
  Writes expected = prepare(*element, GetParam());
  auto control = controlFor(GetParam(), "cualquier cosa");
  element->Aplicar(Variant(control));
  EXPECT_EQ(control->writes(), expected);
}

TEST_P(StandardApply, OverrideMarkerAnywhereInAnyCaseLeavesTheControlAlone) {
  auto element = createElement(GetParam().className);
  for (const char* tag : {"THEMEOVERRIDE", "themeoverride", "fijo; ThemeOverride", "xTHEMEoverRIDEx"}) {
    auto control = controlFor(GetParam(), tag);
    element->Aplicar(Variant(control));
    EXPECT_TRUE(control->writes().empty()) << tag;
  }
  auto nearMiss = controlFor(GetParam(), "THEME OVERRIDE");
  element->Aplicar(Variant(nearMiss));
  EXPECT_EQ(nearMiss->writes().size(), GetParam().controlProperties.size());
}

TEST_P(StandardApply, NoTagOrAnUnreadableTagLeavesTheControlAlone) {
  auto element = createElement(GetParam().className);
  auto untagged = controlFor(GetParam(), nullptr);
  element->Aplicar(Variant(untagged));
  EXPECT_TRUE(untagged->writes().empty());

  auto unreadable = controlFor(GetParam());
  unreadable->failOnRead("Tag");
  element->Aplicar(Variant(unreadable));
  EXPECT_TRUE(unreadable->writes().empty());
}

TEST_P(StandardApply, MissingAndRefusedPropertiesAreSkipped) {
  auto element = createElement(GetParam().className);
  Writes all = prepare(*element, GetParam());
  // Keep every other property; of those kept, the first refuses its value.
  auto control = makeControl("Control", {});
  Writes expected;
  for (std::size_t i = 0; i < all.size(); i += 2) {
    control->declare(all[i].name);
    if (i == 0)
      control->refuseWrites(all[i].name);
    else
      expected.push_back(all[i]);
  }
  element->Aplicar(Variant(control));
  EXPECT_EQ(control->writes(), expected);
}

TEST_P(StandardApply, EmptyOrNothingIsNoControlAndNoError) {
  auto element = createElement(GetParam().className);
  EXPECT_NO_THROW(element->Aplicar(Variant()));
  EXPECT_NO_THROW(element->Aplicar(Variant(Nothing{})));
  EXPECT_NO_THROW(element->Aplicar(Variant(5)));
}

INSTANTIATE_TEST_SUITE_P(Elements, StandardApply, ::testing::ValuesIn(standardCases()),
                         [](const auto& param) { return std::string(param.param.className); });

class ApplyTest : public ElementTest {};

TEST_F(ApplyTest, GridWithDefaultsEndsWithoutBorder) {
  auto grid = makeControl("MSFlexGrid", {"borderStyle"});
  grid->declare("borderStyle", Variant(std::int16_t{1}));
  CGrid::create()->Aplicar(Variant(grid));
  EXPECT_EQ(grid->value("borderStyle"), Variant(std::int16_t{0}));
}

TEST_F(ApplyTest, ASetterShowsAtTheNextApply) {
  auto text = CText::create();
  text->setBackColorFocused(0x010203);
  auto control = makeControl("skinText", {"backColorFocused"});
  text->call("aplicar", {Variant(control)});
  EXPECT_EQ(control->value("backColorFocused"), Variant(0x010203));
  EXPECT_EQ(CText::create()->backColorFocused(), 0xFFFFFF);
}

// --- Command button ---

const std::vector<std::string_view> kButtonColours = {"foreColor", "foreColorFocused", "foreColorDisabled",
                                                      "BackColor", "backColorFocused", "backColorDisabled"};

std::shared_ptr<PropertyBag> makeButton(bool enabled, const char* tag = "") {
  auto button = PropertyBag::make("skinButton");
  for (std::string_view p : kButtonColours) button->declare(p);
  button->declare("Enabled", Variant(enabled));
  if (tag) button->declare("Tag", Variant(tag));
  return button;
}

Writes buttonColourWrites(const CCommandButton& element) {
  Writes writes;
  for (std::size_t i = 0; i < kButtonColours.size(); ++i)
    writes.push_back({std::string(kButtonColours[i]), Variant(element.value(i))});
  return writes;
}

TEST_F(ApplyTest, DisabledButtonIsColouredWhileEnabledAndEndsDisabled) {
  auto element = CCommandButton::create();
  for (std::size_t i = 0; i < 6; ++i) element->setValue(i, slotColour(0, i));
  auto button = makeButton(false);
  element->Aplicar(Variant(button));

  Writes expected{{"Enabled", Variant(true)}};
  for (auto& w : buttonColourWrites(*element)) expected.push_back(w);
  expected.push_back({"Enabled", Variant(false)});
  EXPECT_EQ(button->writes(), expected);
}

TEST_F(ApplyTest, EnabledButtonIsNeverDisabled) {
  auto element = CCommandButton::create();
  auto button = makeButton(true);
  element->Aplicar(Variant(button));
  Writes expected{{"Enabled", Variant(true)}};
  for (auto& w : buttonColourWrites(*element)) expected.push_back(w);
  EXPECT_EQ(button->writes(), expected);
}

TEST_F(ApplyTest, ButtonWithOverrideOrUnreadableTagKeepsColoursAndEnabledState) {
  auto element = CCommandButton::create();
  const Writes enabledOnly{{"Enabled", Variant(true)}, {"Enabled", Variant(false)}};

  auto marked = makeButton(false, "no tocar: themeOverride");
  element->Aplicar(Variant(marked));
  EXPECT_EQ(marked->writes(), enabledOnly);
  EXPECT_EQ(marked->value("Enabled"), Variant(false));

  auto untagged = makeButton(false, nullptr);
  element->Aplicar(Variant(untagged));
  EXPECT_EQ(untagged->writes(), enabledOnly);
}

TEST_F(ApplyTest, ButtonThatRefusesEnabledStillGetsItsColours) {
  auto element = CCommandButton::create();
  auto button = makeButton(false);
  button->refuseWrites("Enabled");
  element->Aplicar(Variant(button));
  EXPECT_EQ(button->writes(), buttonColourWrites(*element));
  EXPECT_EQ(button->value("Enabled"), Variant(false));
}

// --- Label ---

TEST_F(ApplyTest, LabelTakesTheLastFormBackColour) {
  auto element = CLabel::create();
  auto before = makeControl("Label", {"foreColor", "BackColor"});
  element->Aplicar(Variant(before));
  EXPECT_EQ(before->writes(), (Writes{{"foreColor", Variant(0x404040)}, {"BackColor", Variant(0)}}));

  globales::state().formBackColorCache = 0xEED9D0;
  auto after = makeControl("OptionButton", {"foreColor", "BackColor"});
  after->refuseWrites("foreColor");
  element->Aplicar(Variant(after));
  EXPECT_EQ(after->writes(), (Writes{{"BackColor", Variant(0xEED9D0)}}));
}

TEST_F(ApplyTest, LabelWithOverrideKeepsBothColours) {
  globales::state().formBackColorCache = 0xEED9D0;
  auto label = makeControl("Label", {"foreColor", "BackColor"}, "ThemeOverride");
  CLabel::create()->Aplicar(Variant(label));
  EXPECT_TRUE(label->writes().empty());
}

TEST_F(ApplyTest, CheckBoxWithoutCheckColourGetsItsTextColour) {
  auto check = makeControl("skinCheck", {"foreColor"});
  EXPECT_NO_THROW(CCheckBox::create()->Aplicar(Variant(check)));
  EXPECT_EQ(check->writes(), (Writes{{"foreColor", Variant(0x808080)}}));
}

}  // namespace
}  // namespace palvex
