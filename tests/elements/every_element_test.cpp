// What the ten element classes share, checked over one table: defaults,
// saved texts, descriptors, typed and late-bound access, store round trips,
// the shared slots and, for the classes that use it, the standard apply.

#include <functional>
#include <initializer_list>

#include <gtest/gtest.h>

#include "palvex/text.h"
#include "support/element_env.h"

namespace palvex {
namespace {

using testing::slotColour;
using testing::Writes;

// One property; the short form is for a name used alike as written key,
// descriptor name and control property.
struct Prop {
  Prop(std::string_view name, std::int32_t value) : Prop(name, name, value, name) {}
  Prop(std::string_view written, std::string_view descriptorName, std::int32_t value, std::string_view controlName)
      : writtenKey(written), descriptor(descriptorName), defaultValue(value), control(controlName) {}
  std::string_view writtenKey, descriptor;
  std::int32_t defaultValue;
  std::string_view control;  // control property Aplicar writes, "" for none
};

constexpr std::int16_t kBorderStyle = 9;  // a slot colour does not fit 16 bits

template <class C>
void setOne(C& element, void (C::*setter)(std::int32_t), std::size_t slot, std::size_t i) {
  (element.*setter)(slotColour(slot, i));
}
template <class C>
void setOne(C& element, void (C::*setter)(std::int16_t), std::size_t, std::size_t) {
  (element.*setter)(kBorderStyle);
}
// Calls every typed setter of C, in property order.
template <class C, auto... setters>
void setEach(Element& element, std::size_t slot) {
  std::size_t i = 0;
  (setOne(static_cast<C&>(element), setters, slot, i++), ...);
}

struct ElementCase {
  std::string_view className, sectionWord;
  std::vector<Prop> props;  // property order
  void (*setTyped)(Element&, std::size_t slot);
};

using B = CCommandButton;
using G = CGrid;
using T = CText;
using S = CTabStrip;

// Shared-slot order.
const ElementCase kCases[] = {
    {"CCommandButton", "BUTTON",
     {{"foreColor", 0xFFFFFF}, {"foreColorFocused", 0xFFFFFF}, {"foreColorDisabled", 0x808080},
      {"BackColor", "backColor", 0xCD7407, "BackColor"},
      {"BackColorFocused", "backColorFocused", 0xC00000, "backColorFocused"},
      {"BackColorDisabled", "backColorDisabled", 0xFFD3D0, "backColorDisabled"}},
     setEach<B, &B::setForeColor, &B::setForeColorFocused, &B::setForeColorDisabled, &B::setBackColor,
             &B::setBackColorFocused, &B::setBackColorDisabled>},
    {"CGrid", "GRID",
     {{"backColor", "backColor", 0xFFFFFF, "BackColor"}, {"backColorBkg", 0xFFFFFF}, {"backColorFixed", 0xFEE2CF},
      {"backColorSel", 0xFF0000}, {"foreColor", 0x404040},
      {"foreColorFixed", "ForeColorFixed", 0x404040, "foreColorFixed"},
      {"foreColorSel", "ForeColorSel", 0xFFFFFF, "foreColorSel"}, {"gridColor", 0xFDB6A2},
      {"gridColorFixed", 0xFDB6A2}, {"borderStyle", 0}},
     setEach<G, &G::setBackColor, &G::setBackColorBkg, &G::setBackColorFixed, &G::setBackColorSel, &G::setForeColor,
             &G::setForeColorFixed, &G::setForeColorSel, &G::setGridColor, &G::setGridColorFixed, &G::setBorderStyle>},
    {"CText", "TEXT",
     {{"borderColor", 0xFDB6A2}, {"borderColorFocused", 0xCD7407}, {"foreColor", 0x404040},
      {"foreColorFocused", 0x404040}, {"BackColor", "backColor", 0xFFFFFF, "BackColor"},
      {"backColorFocused", 0xFFFFFF}},
     setEach<T, &T::setBorderColor, &T::setBorderColorFocused, &T::setForeColor, &T::setForeColorFocused,
             &T::setBackColor, &T::setBackColorFocused>},
    {"CTabStrip", "BUTTON",
     {{"TabBackColor", 0xFFFFFF}, {"TabBackColorSelected", 0xFFFFFF}, {"TabBorderColorHover", 0xFFD3D0},
      {"TabInnerBorder", 0x80C0FF}, {"TabInnerBorderSelected", 0xFDB6A2}, {"TabBorderColor", 0xCD7407},
      {"TabBorderColorSelected", 0xFFFFFF}, {"borderColor", 0xCD7407}},
     setEach<S, &S::setTabBackColor, &S::setTabBackColorSelected, &S::setTabBorderColorHover, &S::setTabInnerBorder,
             &S::setTabInnerBorderSelected, &S::setTabBorderColor, &S::setTabBorderColorSelected, &S::setBorderColor>},
    {"CCheckBox", "CHECK", {{"foreColor", 0x808080}, {"CheckColor", 0x808080}},
     setEach<CCheckBox, &CCheckBox::setForeColor, &CCheckBox::setCheckColor>},
    {"CLabel", "LABEL", {{"foreColor", 0x404040}}, setEach<CLabel, &CLabel::setForeColor>},
    {"CToolBar", "TOOLBAR", {{"BackColor", "backColor", 0xFEE2CF, ""}}, setEach<CToolBar, &CToolBar::setBackColor>},
    {"CStatusBar", "STATUSBAR", {{"BackColor", "backColor", 0xFEE2CF, ""}},
     setEach<CStatusBar, &CStatusBar::setBackColor>},
    {"CForm", "FORM", {{"BackColor", 0xEED9D0}, {"MenuColor", "MenuColor", 0xEED9D0, ""}},
     setEach<CForm, &CForm::setBackColor, &CForm::setMenuColor>},
    {"CShape", "SHAPE", {{"BorderColor", "BorderColor", 0xFDB6A2, "borderColor"}},
     setEach<CShape, &CShape::setBorderColor>},
};

const std::function<std::shared_ptr<Element>()> kSharedAccessors[] = {
    globales::sharedButton,   globales::sharedGrid,    globales::sharedText,      globales::sharedTabStrip,
    globales::sharedCheckBox, globales::sharedLabel,   globales::sharedToolBar,   globales::sharedStatusBar,
    globales::sharedForm,     globales::sharedShape,
};

bool isBorderStyle(const Prop& p) { return p.descriptor == "borderStyle"; }

class EveryElement : public testing::ElementTest, public ::testing::WithParamInterface<std::size_t> {
 protected:
  const std::size_t slot = GetParam();
  const ElementCase& c = kCases[slot];
  // What the typed setters put in property i.
  std::int32_t typedValue(std::size_t i) const { return isBorderStyle(c.props[i]) ? kBorderStyle : slotColour(slot, i); }
};

TEST_P(EveryElement, DefaultsDescriptorsUpdateTextsAndSharedSlot) {
  auto element = createElement(c.className);
  EXPECT_EQ(elementClassNames()[slot], c.className);
  EXPECT_EQ(element->typeName(), c.className);
  std::vector<DescriptorPropiedad> descriptors;
  SettingPairs texts;
  for (const Prop& p : c.props) {
    const std::string name(p.descriptor);
    descriptors.push_back(isBorderStyle(p) ? DescriptorPropiedad{name, 1, 0, 1, 0}
                                           : DescriptorPropiedad{name, 0, 0, 0, p.defaultValue});
    texts.emplace_back(p.writtenKey, std::to_string(p.defaultValue));
  }
  EXPECT_EQ(element->propDesc(), descriptors);
  element->call("UPDATE");
  EXPECT_EQ(section(c.sectionWord), texts);

  auto shared = kSharedAccessors[slot]();
  EXPECT_EQ(shared->typeName(), c.className);
  EXPECT_EQ(globales::state().sharedElements[slot], shared);
  EXPECT_EQ(kSharedAccessors[slot](), shared);
}

TEST_P(EveryElement, TypedAndLateBoundValuesSurviveUpdateAndRecreation) {
  // Every element saves its own values, so a key two of them shared would show.
  std::shared_ptr<Element> element;
  for (std::size_t other = 0; other < std::size(kCases); ++other) {
    auto saved = createElement(kCases[other].className);
    kCases[other].setTyped(*saved, other);
    saved->Update();
    if (other == slot) element = saved;
  }
  for (std::size_t i = 0; i < c.props.size(); ++i)
    EXPECT_EQ(element->get(text::upper(c.props[i].descriptor)).toInt32(), typedValue(i)) << c.props[i].descriptor;

  // The next element reads under the read keys, which differ in case from the written ones for some.
  auto reread = createElement(c.className);
  for (std::size_t i = 0; i < c.props.size(); ++i) {
    EXPECT_EQ(reread->value(i), typedValue(i)) << c.props[i].writtenKey;
    reread->set(element->table().properties[i].name, Variant(static_cast<std::int32_t>(i)));
    EXPECT_EQ(reread->value(i), static_cast<std::int32_t>(i));
  }
}

// The first six classes check the Tag, then write each control property quietly.
class StandardApply : public EveryElement {};

TEST_P(StandardApply, WritesInOrderUnlessMarkedUntaggedOrRefused) {
  auto element = createElement(c.className);
  c.setTyped(*element, slot);
  // A control declaring every control property but #1, refusing #2, tagged `tag`.
  auto control = [&](const char* tag, bool complete = true) {
    auto bag = testing::makeControl("Control", {}, tag);
    for (std::size_t i = 0; i < c.props.size(); ++i)
      if (complete || i != 1) bag->declare(c.props[i].control);
    if (!complete && c.props.size() > 2) bag->refuseWrites(c.props[2].control);
    return bag;
  };
  Writes all, partial;
  for (std::size_t i = 0; i < c.props.size(); ++i) {
    const Variant value = isBorderStyle(c.props[i]) ? Variant(kBorderStyle) : Variant(typedValue(i));
    all.push_back({std::string(c.props[i].control), value});
    if (i != 1 && i != 2) partial.push_back(all.back());
  }
  auto incomplete = control("", false);
  element->call("aplicar", {Variant(incomplete)});
  EXPECT_EQ(incomplete->writes(), partial);
  const std::pair<const char*, bool> tags[] = {  // tag ("?": unreadable), marked
      {"", false},          {"cualquier cosa", false},      {"THEME OVERRIDE ñ", false},  {"THEMEOVERRIDE", true},
      {"themeoverride", true}, {"fijó; ThemeOverride", true}, {"xTHEMEoverRIDEx", true}, {nullptr, true}, {"?", true}};
  for (const auto& [tag, marked] : tags) {
    auto bag = control(tag);
    if (tag && *tag == '?') bag->failOnRead("Tag");
    element->Aplicar(Variant(bag));
    EXPECT_EQ(bag->writes(), marked ? Writes{} : all) << (tag ? tag : "no Tag");
  }
  for (const Variant& notAControl : {Variant(), Variant(Nothing{}), Variant(5)})
    EXPECT_NO_THROW(element->Aplicar(notAControl));
}

std::string caseName(const ::testing::TestParamInfo<std::size_t>& info) {
  return std::string(kCases[info.param].className);
}
INSTANTIATE_TEST_SUITE_P(Elements, EveryElement, ::testing::Range<std::size_t>(0, std::size(kCases)), caseName);
INSTANTIATE_TEST_SUITE_P(Elements, StandardApply, ::testing::Range<std::size_t>(0, 6), caseName);

}  // namespace
}  // namespace palvex
