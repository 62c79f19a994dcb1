// What the shared table cannot show: the grid's 16-bit border style, the
// descriptor objects, change notification, the button's Enabled state and
// the factory.

#include <gtest/gtest.h>

#include "palvex/text.h"
#include "support/element_env.h"

namespace palvex {
namespace {

using testing::makeControl;
using testing::slotColour;
using testing::write;
using testing::Writes;

class ElementBehaviour : public testing::ElementTest {};

TEST_F(ElementBehaviour, DescriptorCollectionsAreOneBasedSnapshots) {
  auto grid = CGrid::create();
  auto collection = grid->call("propDesc").toObject();
  EXPECT_PALVEX_ERROR(collection->call("Item", {Variant(0)}), ErrorNumber::Subscript, "position 0");
  EXPECT_PALVEX_ERROR(collection->call("Item", {Variant(11)}), ErrorNumber::Subscript, "position 11");
  auto border = collection->call("Item", {Variant(10)}).toObject();
  EXPECT_EQ(border->get("propName").toString(), "borderStyle");
  EXPECT_EQ(border->get("numMax").toInt32(), 1);
  EXPECT_EQ(collection->enumerate().at(5).toObject()->get("propName").toString(), "ForeColorFixed");
  auto first = collection->call("Item", {Variant(1)}).toObject();
  first->set("valor", Variant(123));
  EXPECT_EQ(first->get("valor").toInt32(), 123);
  EXPECT_EQ(grid->BackColor(), 0xFFFFFF) << "the element keeps its value";
}

TEST_F(ElementBehaviour, ObserversAreToldOfChangesOnlyAndMayLeaveWhileTold) {
  auto grid = globales::sharedGrid();
  std::vector<std::size_t> told;
  ValueObserverId later = 0;
  ValueObserverId id = addValueObserver([&](const Element&, std::size_t index) {
    told.push_back(index);
    removeValueObserver(id);     // gone for good, safely, while it runs
    removeValueObserver(later);  // not told even of this change
  });
  later = addValueObserver([&](const Element&, std::size_t) { told.push_back(99); });
  grid->setGridColor(grid->gridColor());  // the same value: no change
  grid->set("FORECOLORFIXED", Variant(7));
  EXPECT_EQ(told, std::vector<std::size_t>{CGrid::kForeColorFixed});
  EXPECT_EQ(grid->revision(), 1u);
}

TEST_F(ElementBehaviour, ButtonIsColouredWhileEnabledAndKeepsItsEnabledState) {
  auto element = CCommandButton::create();
  Writes colours;
  for (std::size_t i = 0; i < 6; ++i) {
    element->setValue(i, slotColour(0, i));
    colours.push_back(write(std::string(element->table().properties[i].controlProperty), slotColour(0, i)));
  }
  struct Case {
    bool enabled;
    const char* tag;
    bool refusesEnabled, coloured;
  };
  for (const Case& k : {Case{false, "", false, true}, Case{true, "", false, true},
                        Case{false, "no tocar: themeOverride", false, false}, Case{false, "", true, true}}) {
    auto button = makeControl("skinButton", {}, k.tag);
    for (const auto& w : colours) button->declare(w.name);
    button->declare("Enabled", Variant(k.enabled));
    if (k.refusesEnabled) button->refuseWrites("Enabled");
    element->Aplicar(Variant(button));

    Writes expected;
    if (!k.refusesEnabled) expected.push_back({"Enabled", Variant(true)});
    if (k.coloured) expected.insert(expected.end(), colours.begin(), colours.end());
    if (!k.refusesEnabled && !k.enabled) expected.push_back({"Enabled", Variant(false)});
    EXPECT_EQ(button->writes(), expected) << k.enabled << " " << k.tag << k.refusesEnabled;
    EXPECT_EQ(button->value("Enabled"), Variant(k.enabled));
  }
}

TEST_F(ElementBehaviour, FactoryAndLateBoundCallsCheckTheirArguments) {
  EXPECT_EQ(createElement("cshape")->typeName(), "CShape");
  EXPECT_PALVEX_ERROR(createElement("CButton"), ErrorNumber::InvalidCall, "CCommandButton, CGrid, CText");

  auto label = CLabel::create();
  EXPECT_PALVEX_ERROR(label->call("Aplicar"), ErrorNumber::InvalidCall, "one control");
  Variant result;
  std::vector<Variant> args{Variant(1)};
  EXPECT_EQ(label->tryCall("foreColor", args, result), Lookup::NoMember);
  EXPECT_EQ(label->call("FORECOLOR").toInt32(), 0x404040);
  for (auto name : elementClassNames()) EXPECT_EQ(globales::sharedElement(text::upper(name))->typeName(), name);
  EXPECT_PALVEX_ERROR(label->set("foreColor", Variant("azul")), ErrorNumber::TypeMismatch, "");
  EXPECT_EQ(label->foreColor(), 0x404040);
  EXPECT_EQ(label->trySet("Colour", Variant(1)), Lookup::NoMember);
}

}  // namespace
}  // namespace palvex
