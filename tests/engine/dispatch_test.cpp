// Tema.Aplicar and configurarFormulario: which element themes which control.

#include <gtest/gtest.h>

#include <functional>

#include "support/element_env.h"

namespace palvex {
namespace {

using globales::Slot;
using testing::makeControl;
using testing::write;
using testing::Writes;

// The stored colour of property `index` of the element in `slot`.
std::int32_t stored(Slot slot, std::size_t index) { return testing::slotColour(static_cast<std::size_t>(slot), index); }

class DispatchTest : public testing::ElementTest {
 protected:
  // Every colour of the theme is stored, encoding its element and property.
  DispatchTest() {
    for (std::size_t slot = 0; slot < globales::kElementSlots; ++slot) {
      auto element = createElement(elementClassNames()[slot]);
      for (std::size_t i = 0; i < element->table().properties.size(); ++i)
        if (element->table().properties[i].width == PropertyWidth::Colour32)
          element->setValue(i, stored(Slot(slot), i));
      element->Update();
    }
  }
  // A control with the colour properties most kinds of control share.
  static std::shared_ptr<testing::RecordingBag> control(const std::string& type, const char* tag = "") {
    return makeControl(type, {"foreColor", "foreColorFocused", "foreColorDisabled", "BackColor", "borderColor",
                              "backColorDisabled"},
                       tag);
  }
};

// A control of `type` (with a ControlClass unless nullptr, "?": unreadable),
// tagged `tag`, refusing writes to `refused`, and what Aplicar writes to it.
struct ControlRow : testing::NamedRow {
  const char* type;
  const char* controlClass;
  Writes expected;
  const char* tag = "";
  const char* refused = "";
};

class ChosenElement : public DispatchTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(ChosenElement, TypeNameAndControlClassChooseTheElementCaseExactly) {
  const auto& row = GetParam();
  auto bag = control(row.type, row.tag);
  if (row.controlClass) bag->declare("ControlClass", row.controlClass);
  if (row.controlClass && std::string_view(row.controlClass) == "?") bag->failOnRead("ControlClass");
  if (*row.refused) bag->refuseWrites(row.refused);
  tema_->Aplicar(bag);
  EXPECT_EQ(bag->writes(), row.expected);
}

const Writes kLabel{write("foreColor", stored(Slot::Label, 0)), write("BackColor", 0)};
const Writes kBoxed{write("BackColor", stored(Slot::Text, 4)), write("borderColor", stored(Slot::Text, 0)),
                    write("foreColor", stored(Slot::Text, 2))};
const Writes kPlainCheck{write("foreColor", stored(Slot::Label, 0)), write("foreColorFocused", stored(Slot::Label, 0)),
                         write("foreColorDisabled", stored(Slot::Button, 5))};
const ControlRow kByTypeName[] = {
    {{"Label"}, "Label", nullptr, kLabel},
    {{"Label refusing foreColor still gets the form colour"}, "Label", nullptr, {write("BackColor", 0)}, "", "foreColor"},
    {{"CheckBox takes no marker"}, "CheckBox", nullptr, kLabel, "THEMEOVERRIDE"},
    {{"MSFlexGrid"}, "MSFlexGrid", nullptr, {write("BackColor", stored(Slot::Grid, 0)), write("foreColor", stored(Slot::Grid, 4))}},
    {{"boxedLabel"}, "boxedLabel", nullptr, kBoxed},
    {{"boxedLabel marked"}, "boxedLabel", nullptr, {}, "mi themeoverride"},
    {{"boxedLabel refusing borderColor"}, "boxedLabel", nullptr, {write("BackColor", stored(Slot::Text, 4))}, "", "borderColor"},
    {{"plainCheck takes no marker"}, "plainCheck", nullptr, kPlainCheck, "THEMEOVERRIDE"},
    {{"plainCheck refusing foreColorFocused"}, "plainCheck", nullptr, {write("foreColor", stored(Slot::Label, 0))}, "", "foreColorFocused"},
    {{"Shape"}, "Shape", nullptr, {write("borderColor", stored(Slot::Shape, 0))}},
    {{"lower-case label"}, "label", nullptr, {}},
};
const ControlRow kByControlClass[] = {
    {{"unreadable"}, "Label", "?", kLabel},
    {{"BUTTON"}, "Label", "BUTTON",
     {write("foreColor", stored(Slot::Button, 0)), write("foreColorFocused", stored(Slot::Button, 1)),
      write("foreColorDisabled", stored(Slot::Button, 2)), write("BackColor", stored(Slot::Button, 3)),
      write("backColorDisabled", stored(Slot::Button, 5))}},
    {{"TEXT"}, "Label", "TEXT",
     {write("borderColor", stored(Slot::Text, 0)), write("foreColor", stored(Slot::Text, 2)),
      write("foreColorFocused", stored(Slot::Text, 3)), write("BackColor", stored(Slot::Text, 4))}},
    {{"TAB"}, "Label", "TAB", {write("borderColor", stored(Slot::TabStrip, 7))}},
    {{"CHECK"}, "Label", "CHECK", {write("foreColor", stored(Slot::CheckBox, 0))}},
    {{"lower-case button"}, "Label", "button", {}},
    {{"empty"}, "Label", "", {}},
    {{"GRID is no class"}, "MSFlexGrid", "GRID", {}},
};
INSTANTIATE_TEST_SUITE_P(TypeName, ChosenElement, ::testing::ValuesIn(kByTypeName), testing::RowName());
INSTANTIATE_TEST_SUITE_P(ControlClass, ChosenElement, ::testing::ValuesIn(kByControlClass), testing::RowName());

// A slideButton whose buttons come from `pick`, holding itself only weakly.
std::shared_ptr<testing::RecordingBag> pickingSlideButton(std::function<Variant(PropertyBag& self, std::int16_t index)> pick) {
  auto slide = testing::RecordingBag::make("slideButton");
  std::weak_ptr<PropertyBag> weak = slide;
  slide->method("pickButton", [weak, pick](std::span<Variant> args) { return pick(*weak.lock(), args[0].toInt16()); });
  return slide;
}

std::shared_ptr<testing::RecordingBag> slideButton(std::vector<ObjectRef> buttons) {
  return pickingSlideButton([buttons](PropertyBag&, std::int16_t i) {
    if (i == 99) throw invalidCallError("broken");
    return static_cast<std::size_t>(i) < buttons.size() ? Variant(buttons[static_cast<std::size_t>(i)]) : Variant(Nothing{});
  });
}

TEST_F(DispatchTest, SelfThemingControlsAreTouchedByNothingElseAndSlideButtonsThemeEachButtonUntilNothing) {
  auto label = makeControl("Label", {"foreColor"});
  auto self = control("Label");
  self->declare("ControlClass", "TEXT");
  Variant received;
  self->method("aplicarTema", [&](std::span<Variant> args) { return received = args[0]; });
  tema_->Aplicar(slideButton({label, self}));
  EXPECT_EQ(label->value("foreColor"), Variant(stored(Slot::Label, 0)));
  EXPECT_TRUE(self->writes().empty());
  EXPECT_EQ(received.toObject().get(), tema_.get());

  auto failing = makeControl("Whatever", {"borderColor"});
  failing->declare("ControlClass", "TEXT");
  failing->method("aplicarTema", [](std::span<Variant>) -> Variant { throw invalidCallError("no"); });
  tema_->Aplicar(failing);
  EXPECT_EQ(failing->writes(), (Writes{write("borderColor", stored(Slot::Text, 0))}));

  auto broken = slideButton(std::vector<ObjectRef>(100, label));
  tema_->Aplicar(broken);
  EXPECT_EQ(broken->callCount("pickButton"), 100u) << "a failing pickButton ends the loop";
}

TEST_F(DispatchTest, CompositesThatLeadBackToThemselvesOrNestWithoutEndAreLeftAsTheyAre) {
  // Ending at all is the check: a walk without a bound overflows the stack or never returns.
  auto self = pickingSlideButton([](PropertyBag& me, std::int16_t) { return Variant(me.shared_from_this()); });
  std::shared_ptr<testing::RecordingBag> second;
  auto first = pickingSlideButton([&](PropertyBag&, std::int16_t) { return Variant(second); });
  second = pickingSlideButton([&](PropertyBag&, std::int16_t i) { return i < 3 ? Variant(first) : Variant(Nothing{}); });
  std::function<Variant(PropertyBag&, std::int16_t)> endless = [&](PropertyBag&, std::int16_t) {
    return Variant(pickingSlideButton(endless));
  };
  auto callsBack = makeControl("Custom", {});
  std::weak_ptr<PropertyBag> weak = callsBack;
  callsBack->method("aplicarTema", [&, weak](std::span<Variant>) {
    tema_->Aplicar(weak.lock());
    return Variant();
  });

  for (const ObjectRef& composite : {ObjectRef(self), ObjectRef(first), ObjectRef(second),
                                     ObjectRef(pickingSlideButton(endless)), ObjectRef(callsBack)})
    EXPECT_NO_THROW(tema_->Aplicar(composite));
  EXPECT_EQ(self->callCount("pickButton"), 1u) << "a composite leading back to itself is left as it is";

  // The bound is per walk: the next control is themed as usual, nested composites too.
  auto label = makeControl("Label", {"foreColor"});
  tema_->Aplicar(slideButton({slideButton({slideButton({label})})}));
  EXPECT_EQ(label->value("foreColor"), Variant(stored(Slot::Label, 0)));
  first.reset();
  second.reset();  // the two referred to each other
}

// A host object that throws what is no error of ours, from one member.
class ThrowsAnInt final : public Object {
 public:
  ThrowsAnInt(std::string type, std::string member) : type_(std::move(type)), member_(std::move(member)) {}
  std::string typeName() const override {
    if (member_ == "typeName") throw 42;
    return type_;
  }
  bool isForm() const override {
    if (member_ == "isForm") throw 42;
    return true;
  }
  Lookup tryGet(std::string_view name, Variant& out) override {
    if (name == member_) throw 42;
    if (name == "ControlClass") return Lookup::NoMember;  // known by its type name
    if (name == "Controls") {
      out = Variant(std::make_shared<ThrowsAnInt>("Controls", "enumerate"));
      return Lookup::Found;
    }
    out = Variant("");
    return Lookup::Found;
  }
  Lookup trySet(std::string_view name, const Variant&) override {
    if (name == member_) throw 42;
    return Lookup::Found;
  }
  std::vector<Variant> enumerate() override { throw 42; }
  void beginApply() override { throw 42; }
  void endApply() override { throw 42; }

 private:
  std::string type_, member_;
};

TEST_F(DispatchTest, ConfiguringAFormThemesItsControlsThroughTheFirstTemaWhateverAControlThrows) {
  Variant themedWith;
  auto custom = testing::RecordingBag::make("Custom");
  custom->method("aplicarTema", [&](std::span<Variant> args) { return themedWith = args[0]; });
  auto label = makeControl("Label", {"foreColor", "BackColor"});
  auto frame = makeControl("Frame", {"BackColor"});
  auto grid = makeControl("MSFlexGrid", {"BackColor"}, "ThemeOverride");
  auto check = makeControl("CheckBox", {"foreColor", "BackColor"}, nullptr);  // after the form: its colour
  auto throwing = [](const char* type, const char* member) { return Variant(std::make_shared<ThrowsAnInt>(type, member)); };
  auto collection = testing::RecordingBag::make("Controls");
  collection->setItems({Variant(custom), throwing("Label", "typeName"), throwing("Frame", "Tag"),
                        throwing("Label", "foreColor"), throwing("CheckBox", "foreColor"),
                        throwing("Custom", "ControlClass"), Variant(label), Variant(frame), Variant(grid), Variant(check)});
  auto form = makeControl("Form", {"BackColor"});
  form->setForm().declare("hWnd", std::int32_t{0}).declare("Controls", Variant(collection));

  EXPECT_NO_THROW(Tema::create()->configurarFormulario(form));
  const std::int32_t back = stored(Slot::Form, 0);
  EXPECT_EQ(themedWith.toObject().get(), tema_.get());  // the first Tema, not the one asked
  EXPECT_EQ(form->value("BackColor"), Variant(back));
  EXPECT_EQ(label->writes(), (Writes{write("foreColor", stored(Slot::Label, 0)), write("BackColor", back)}));
  EXPECT_EQ(check->writes(), label->writes());
  EXPECT_EQ(frame->writes(), (Writes{write("BackColor", back)}));
  EXPECT_TRUE(grid->writes().empty());

  for (const char* member : {"isForm", "BackColor", "Controls", "hWnd"})
    EXPECT_NO_THROW(tema_->configurarFormulario(std::make_shared<ThrowsAnInt>("Form", member))) << member;
  for (const char* member : {"Tag", "Enabled", "foreColor", "BackColor"}) {
    const Variant control(std::make_shared<ThrowsAnInt>("Control", member));
    for (std::size_t slot : {0u, 1u, 2u, 3u, 4u, 5u})
      EXPECT_NO_THROW(globales::sharedElement(elementClassNames()[slot])->Aplicar(control)) << member << slot;
  }
}

}  // namespace
}  // namespace palvex
