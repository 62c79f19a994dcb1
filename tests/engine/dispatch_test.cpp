#include <string>
#include <vector>

#include "engine/globales.h"
#include "engine/shared_elements.h"
#include "palvex/elements.h"
#include "palvex/property_bag.h"
#include "palvex/settings.h"
#include "palvex/tema.h"
#include "support/test_env.h"

namespace palvex {
namespace {

using Writes = std::vector<PropertyBag::Write>;

// Every stored colour encodes its section and property, so a colour landing
// in the wrong property fails loudly.
constexpr std::int32_t kTextBack = 0x0A0001, kTextBorder = 0x0A0002, kTextFore = 0x0A0003;
constexpr std::int32_t kLabelFore = 0x0B0001;
constexpr std::int32_t kButtonBackDisabled = 0x0C0006;
constexpr std::int32_t kFormBack = 0x0D0001, kFormMenu = 0x0D0002;

std::shared_ptr<PropertyBag> makeControl(const std::string& type, std::initializer_list<const char*> properties,
                                         const char* tag = "") {
  auto bag = PropertyBag::make(type);
  if (tag) bag->declare("Tag", tag);
  for (const char* p : properties) bag->declare(p, std::int32_t{-1});
  return bag;
}

PropertyBag::Write write(const char* name, std::int32_t value) { return {name, Variant(value)}; }

class DispatchTest : public testing::EngineTest {
 protected:
  DispatchTest() {
    auto put = [&](const char* word, const char* key, std::int32_t v) {
      store().write(kAppName, elementSection("Default", word), key, std::to_string(v));
    };
    put("TEXT", "BackColor", kTextBack);
    put("TEXT", "borderColor", kTextBorder);
    put("TEXT", "foreColor", kTextFore);
    put("LABEL", "foreColor", kLabelFore);
    put("BUTTON", "BackColorDisabled", kButtonBackDisabled);
    put("FORM", "BackColor", kFormBack);
    put("FORM", "MenuColor", kFormMenu);
    tema = Tema::create();
  }
  std::shared_ptr<Tema> tema;
};

TEST_F(DispatchTest, AControlThatThemesItselfIsTouchedByNothingElse) {
  auto c = makeControl("Label", {"foreColor", "BackColor"});
  c->declare("ControlClass", "TEXT");
  Variant received;
  c->method("aplicarTema", [&](std::span<Variant> args) {
    received = args[0];
    return Variant();
  });
  tema->Aplicar(c);
  EXPECT_TRUE(c->writes().empty());
  EXPECT_EQ(received.toObject().get(), tema.get());
}

TEST_F(DispatchTest, AFailingAplicarTemaFallsBackToControlClass) {
  auto c = makeControl("Whatever", {"borderColor", "BackColor"});
  c->declare("ControlClass", "TEXT");
  c->method("aplicarTema", [](std::span<Variant>) -> Variant { throw invalidCallError("no"); });
  tema->Aplicar(c);
  EXPECT_EQ(c->writes(), (Writes{write("borderColor", kTextBorder), write("BackColor", kTextBack)}));
}

TEST_F(DispatchTest, ControlClassIsCaseExactAndBeatsTheTypeName) {
  struct Case { const char* controlClass; const char* type; bool themedAsButton; };
  const Case cases[] = {
      {"BUTTON", "Label", true}, {"button", "Label", false}, {"text", "Label", false},
      {"GRID", "MSFlexGrid", false}, {"", "Label", false},
  };
  for (const auto& c : cases) {
    auto control = makeControl(c.type, {"backColorDisabled", "foreColor", "BackColor"});
    control->declare("ControlClass", c.controlClass);
    tema->Aplicar(control);
    bool themed = !control->writes().empty();
    EXPECT_EQ(themed, c.themedAsButton) << c.controlClass << " / " << c.type;
    if (c.themedAsButton) {
      EXPECT_EQ(control->value("backColorDisabled"), Variant(kButtonBackDisabled));
    }
  }
}

TEST_F(DispatchTest, AnUnreadableControlClassMeansTheTypeNameDecides) {
  auto label = makeControl("Label", {"foreColor", "BackColor"});
  label->declare("ControlClass").failOnRead("ControlClass");
  tema->Aplicar(label);
  EXPECT_EQ(label->writes(), (Writes{write("foreColor", kLabelFore), write("BackColor", 0)}));
}

TEST_F(DispatchTest, TypeNamesAreCaseExact) {
  for (const char* type : {"Label", "OptionButton"}) {
    auto c = makeControl(type, {"foreColor", "BackColor"});
    tema->Aplicar(c);
    EXPECT_EQ(c->value("foreColor"), Variant(kLabelFore)) << type;
  }
  for (const char* type : {"label", "frame", "checkbox", "TextBox"}) {
    auto c = makeControl(type, {"foreColor", "BackColor", "borderColor"});
    tema->Aplicar(c);
    EXPECT_TRUE(c->writes().empty()) << type;
  }
}

TEST_F(DispatchTest, StandardCheckBoxTakesTheLastFormsBackColour) {
  auto before = makeControl("CheckBox", {"foreColor", "BackColor"}, nullptr);
  tema->Aplicar(before);
  EXPECT_EQ(before->writes(), (Writes{write("foreColor", kLabelFore), write("BackColor", 0)}));

  store().write(kAppName, elementSection("Default", "FORM"), "BackColor", "-2147483633");
  tema->setTema("Default");  // reload from the store
  tema->configurarFormulario(makeControl("Form", {"BackColor"}));
  auto after = makeControl("CheckBox", {"foreColor", "BackColor"}, "THEMEOVERRIDE");  // the marker does not matter here
  tema->Aplicar(after);
  EXPECT_EQ(after->value("BackColor"), Variant(std::int32_t{-2147483633}));
}

TEST_F(DispatchTest, BoxedLabelHonoursTheMarkerAndStopsAtTheFirstFailure) {
  auto overridden = makeControl("boxedLabel", {"BackColor", "borderColor", "foreColor"}, "mi themeoverride");
  tema->Aplicar(overridden);
  EXPECT_TRUE(overridden->writes().empty());

  auto plain = makeControl("boxedLabel", {"BackColor", "borderColor", "foreColor"});
  tema->Aplicar(plain);
  EXPECT_EQ(plain->writes(), (Writes{write("BackColor", kTextBack), write("borderColor", kTextBorder),
                                     write("foreColor", kTextFore)}));

  auto noBorder = makeControl("boxedLabel", {"BackColor", "foreColor"});
  tema->Aplicar(noBorder);
  EXPECT_EQ(noBorder->writes(), (Writes{write("BackColor", kTextBack)}));

  auto noTag = makeControl("boxedLabel", {"BackColor", "borderColor", "foreColor"}, nullptr);
  tema->Aplicar(noTag);
  EXPECT_TRUE(noTag->writes().empty());
}

TEST_F(DispatchTest, PlainCheckWritesInOrderAndStopsAtTheFirstFailure) {
  auto full = makeControl("plainCheck", {"foreColor", "foreColorFocused", "foreColorDisabled"}, "THEMEOVERRIDE");
  tema->Aplicar(full);
  EXPECT_EQ(full->writes(), (Writes{write("foreColor", kLabelFore), write("foreColorFocused", kLabelFore),
                                    write("foreColorDisabled", kButtonBackDisabled)}));

  auto refusing = makeControl("plainCheck", {"foreColor", "foreColorFocused", "foreColorDisabled"});
  refusing->refuseWrites("foreColorFocused");
  tema->Aplicar(refusing);
  EXPECT_EQ(refusing->writes(), (Writes{write("foreColor", kLabelFore)}));
}

std::shared_ptr<PropertyBag> slideButton(std::vector<ObjectRef> buttons) {
  auto slide = PropertyBag::make("slideButton");
  slide->method("pickButton", [buttons](std::span<Variant> args) {
    auto i = static_cast<std::size_t>(args[0].toInt16());
    return i < buttons.size() ? Variant(buttons[i]) : Variant(Nothing{});
  });
  return slide;
}

TEST_F(DispatchTest, SlideButtonAppliesTheWholeProcedureToEachButton) {
  auto empty = slideButton({});
  tema->Aplicar(empty);
  EXPECT_EQ(empty->callCount("pickButton"), 1u);

  auto label = makeControl("Label", {"foreColor", "BackColor"});
  auto failing = PropertyBag::make("Label");  // every member throws
  failing->declare("Tag").failOnRead("Tag").declare("ControlClass").failOnRead("ControlClass");
  auto selfThemed = makeControl("Label", {"foreColor"});
  selfThemed->method("aplicarTema", [](std::span<Variant>) { return Variant(); });
  auto slide = slideButton({failing, label, selfThemed});
  tema->Aplicar(slide);
  EXPECT_EQ(slide->callCount("pickButton"), 4u);
  EXPECT_EQ(label->value("foreColor"), Variant(kLabelFore));
  EXPECT_EQ(selfThemed->callCount("aplicarTema"), 1u);
  EXPECT_TRUE(selfThemed->writes().empty());
}

TEST_F(DispatchTest, AFailingPickButtonEndsTheLoop) {
  int calls = 0;
  auto slide = PropertyBag::make("slideButton");
  slide->method("pickButton", [&](std::span<Variant>) -> Variant {
    ++calls;
    throw invalidCallError("broken");
  });
  tema->Aplicar(slide);
  EXPECT_EQ(calls, 1);
}

TEST_F(DispatchTest, NothingEscapesAplicar) {
  tema->Aplicar(Variant());
  tema->Aplicar(Variant(Nothing{}));
  tema->Aplicar(Variant(42));
  auto hostile = PropertyBag::make("MSFlexGrid");
  for (const char* m : {"Tag", "ControlClass", "BackColor", "foreColor"})
    hostile->declare(m).failOnRead(m).refuseWrites(m);
  hostile->method("aplicarTema", [](std::span<Variant>) -> Variant { throw overflowError(); });
  tema->Aplicar(hostile);
  EXPECT_TRUE(hostile->writes().empty());
}

TEST_F(DispatchTest, BackColorAndLabelColorReadTheElements) {
  EXPECT_EQ(tema->BackColor(), kFormBack);
  EXPECT_EQ(tema->LabelColor(), kLabelFore);
  store().write(kAppName, elementSection("Default", "LABEL"), "foreColor", "99999999999");
  tema->setTema("Default");
  EXPECT_PALVEX_ERROR(tema->LabelColor(), ErrorNumber::Overflow, "Long");
}

// --- forms: the walk hands controls to the first Tema ---

std::shared_ptr<PropertyBag> makeForm(std::vector<Variant> controls) {
  auto form = makeControl("Form", {"BackColor"});
  auto collection = PropertyBag::make("Controls");
  collection->setItems(std::move(controls));
  form->setForm().declare("hWnd", std::int32_t{0}).declare("Controls", Variant(collection));
  return form;
}

TEST_F(DispatchTest, ConfiguringAFormThemesItsControlsThroughTheFirstTema) {
  auto second = Tema::create();
  Variant themedWith;
  auto custom = PropertyBag::make("Custom");
  custom->method("aplicarTema", [&](std::span<Variant> args) {
    themedWith = args[0];
    return Variant();
  });
  auto label = makeControl("Label", {"foreColor", "BackColor"});
  auto frame = makeControl("Frame", {"BackColor"});
  auto check = makeControl("CheckBox", {"foreColor", "BackColor"});
  auto grid = makeControl("MSFlexGrid", {"BackColor"}, "ThemeOverride");
  auto form = makeForm({Variant(custom), Variant(label), Variant(frame), Variant(check), Variant(grid)});

  second->configurarFormulario(form);

  EXPECT_EQ(themedWith.toObject().get(), tema.get());  // the first Tema, not the one asked
  EXPECT_EQ(form->value("BackColor"), Variant(kFormBack));
  EXPECT_EQ(label->writes(), (Writes{write("foreColor", kLabelFore), write("BackColor", kFormBack)}));
  EXPECT_EQ(frame->writes(), (Writes{write("BackColor", kFormBack)}));
  EXPECT_EQ(check->writes(), (Writes{write("foreColor", kLabelFore), write("BackColor", kFormBack)}));
  EXPECT_TRUE(grid->writes().empty());
  EXPECT_EQ(globales::state().formBackColorCache, kFormBack);
}

TEST_F(DispatchTest, ConfigurarFormularioLetsTheFormElementsCreationErrorThrough) {
  store().write(kAppName, elementSection("Default", "FORM"), "MenuColor", "99999999999");
  EXPECT_PALVEX_ERROR(tema->configurarFormulario(makeForm({})), ErrorNumber::Overflow, "Long");
  EXPECT_PALVEX_ERROR(tema->BackColor(), ErrorNumber::Overflow, "Long");
}

TEST_F(DispatchTest, WhileReloadingEveryApplyReadsTheStoreAnew) {
  auto label = makeControl("Label", {"foreColor", "BackColor"});
  tema->Aplicar(label);
  store().write(kAppName, elementSection("Default", "LABEL"), "foreColor", "7");
  tema->Aplicar(label);
  EXPECT_EQ(label->value("foreColor"), Variant(kLabelFore));  // stable elements keep their values

  tema->setTema("Default");
  tema->Aplicar(label);
  EXPECT_EQ(label->value("foreColor"), Variant(std::int32_t{7}));
  store().write(kAppName, elementSection("Default", "LABEL"), "foreColor", "8");
  tema->Aplicar(label);
  EXPECT_EQ(label->value("foreColor"), Variant(std::int32_t{8}));
}

}  // namespace
}  // namespace palvex
