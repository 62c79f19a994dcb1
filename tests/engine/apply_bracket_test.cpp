// The apply bracket: every property the engine writes to a control while
// theming it falls between one beginApply and one endApply of that control,
// brackets nest for a form around its controls, and a bracket closes even
// when theming the control fails.

#include <gtest/gtest.h>

#include "palvex/control_types.h"
#include "support/element_env.h"

namespace palvex {
namespace {

// A control that logs its brackets and its writes in one sequence.
class BracketedBag : public PropertyBag {
 public:
  BracketedBag(std::string type, std::vector<std::string>& log) : PropertyBag(std::move(type)), log_(log) {}
  void beginApply() override { log_.push_back("begin " + typeName()); }
  void endApply() override { log_.push_back("end " + typeName()); }
  Lookup trySet(std::string_view name, const Variant& value) override {
    const Lookup found = PropertyBag::trySet(name, value);
    if (found == Lookup::Found) log_.push_back(typeName() + "." + std::string(name));
    return found;
  }

 private:
  std::vector<std::string>& log_;
};

class ApplyBracketTest : public testing::ElementTest {
 protected:
  std::shared_ptr<BracketedBag> bag(std::string_view type, std::initializer_list<const char*> members) {
    auto b = std::make_shared<BracketedBag>(std::string(type), log);
    b->declare("Tag", "");
    for (const char* m : members) b->declare(m, 0);
    return b;
  }
  std::vector<std::string> log;
};

TEST_F(ApplyBracketTest, EachControlsWritesFallInsideItsOwnBracket) {
  auto tema = Tema::create();
  auto label = bag(typenames::kLabel, {"foreColor", "BackColor"});
  auto check = bag(typenames::kCheckBox, {"foreColor", "BackColor"});
  auto form = bag("Form", {"BackColor", "Controls"});
  form->declare("Controls", Variant(PropertyBag::make("Controls")->setItems({label, check}).shared_from_this()));

  tema->configurarFormulario(form);

  const std::vector<std::string> expected = {
      "begin Form", "Form.BackColor",
      "begin Label", "Label.foreColor", "Label.BackColor", "end Label",
      "begin CheckBox", "CheckBox.foreColor", "CheckBox.BackColor", "end CheckBox",
      "end Form"};
  EXPECT_EQ(log, expected);
}

TEST_F(ApplyBracketTest, ButtonEnabledRoundTripIsInsideTheBracket) {
  auto tema = Tema::create();
  auto button = bag("skinButton", {"Enabled", "foreColor"});
  button->declare("Enabled", false);
  button->declare("ControlClass", std::string(controlclass::kButton));
  tema->Aplicar(button);
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(log.front(), "begin skinButton");
  EXPECT_EQ(log[1], "skinButton.Enabled");
  EXPECT_EQ(log[log.size() - 2], "skinButton.Enabled");
  EXPECT_EQ(log.back(), "end skinButton");
}

// A control whose bracket calls throw, and whose colour write throws too.
class HostileBag : public BracketedBag {
 public:
  using BracketedBag::BracketedBag;
  void beginApply() override {
    BracketedBag::beginApply();
    throw 42;
  }
  void endApply() override {
    BracketedBag::endApply();
    throw std::runtime_error("flush failed");
  }
};

TEST_F(ApplyBracketTest, ThrowingBracketsNeverEscapeAndStillClose) {
  auto tema = Tema::create();
  auto shape = std::make_shared<HostileBag>(std::string(typenames::kShape), log);
  shape->declare("Tag", "");
  shape->declare("borderColor", 0);
  EXPECT_NO_THROW(tema->Aplicar(shape));
  EXPECT_EQ(log, (std::vector<std::string>{"begin Shape", "Shape.borderColor", "end Shape"}));
}

}  // namespace
}  // namespace palvex
