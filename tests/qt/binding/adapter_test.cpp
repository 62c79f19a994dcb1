// The adapter as the engine uses it: members by name without regard to
// case, invokable methods, and Enabled as the widget's own flag.

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "binding_fixture.h"
#include "palvex/error.h"
#include "palvex/qt/controls.h"

namespace palvex::qt::testing {
namespace {

class AdapterTest : public BindingTest {};

TEST_F(AdapterTest, MembersAndMethodsAreFoundWithoutRegardToCaseForTheWidgetsLife) {
  auto* edit = new QLineEdit;
  const Variant held = object(edit);
  Object& o = *held.objectRef();
  o.set("BACKCOLOR", Variant(std::int32_t{0x123456}));
  EXPECT_EQ(o.get("backcolor").toInt32(), 0x123456);
  o.set("TOOLTIP", Variant("hint"));  // a Q_PROPERTY
  EXPECT_EQ(edit->toolTip(), QStringLiteral("hint"));
  edit->setProperty("Tag", QStringLiteral("note THEMEOVERRIDE"));  // as a host marks it
  EXPECT_EQ(o.get("TAG").toString(), "note THEMEOVERRIDE");
  o.set("tag", Variant("set by the engine"));
  EXPECT_EQ(edit->property("Tag").toString(), QStringLiteral("set by the engine"));
  o.call("SETTEXT", {Variant("typed")});
  EXPECT_EQ(edit->text(), QStringLiteral("typed"));
  EXPECT_PALVEX_ERROR(o.call("setText", {Variant("a"), Variant("b")}), ErrorNumber::InvalidCall, "2 arguments");
  EXPECT_PALVEX_ERROR(o.get("CheckColor"), ErrorNumber::NoSuchMember, "CheckColor");
  delete edit;
  EXPECT_EQ(widgetOf(held), nullptr);
  EXPECT_PALVEX_ERROR(o.get("Tag"), ErrorNumber::ObjectNotSet, "no longer exists");
  // A suite control declares its ControlClass once and for all.
  skinText text;
  EXPECT_PALVEX_ERROR(adapter(&text).set("ControlClass", Variant("TAB")), ErrorNumber::InvalidCall, "read-only");
}

// The engine reaches a suite control's own methods: pickButton (an index out
// of range is no fault of the host's) and aplicarTema.
TEST_F(AdapterTest, TheDispatchReachesPickButtonAndAplicarTema) {
  QWidget host;
  auto* slide = new slideButton(&host);
  slide->setCaptions({QStringLiteral("a"), QStringLiteral("b")});
  tema_->Aplicar(object(slide));
  EXPECT_EQ(slide->button(1)->BackColor(), toColourRef(themeColour("CCommandButton", "BackColor")));
  EXPECT_TRUE(adapter(slide).call("pickButton", {Variant(std::int16_t{-1})}).isNothing());
  auto* round = new roundButton(&host);
  tema_->Aplicar(object(round));
  EXPECT_EQ(round->BackColor(), tema_->BackColor());
}

// The engine disables a form's widgets while it applies and enables them
// again: a widget the host disabled stays so, and one in a disabled group
// keeps its own flag, not the group's.
TEST_F(AdapterTest, AnApplyLeavesEachWidgetsOwnEnabledFlagAsItWas) {
  QWidget window;
  auto* group = new QGroupBox(&window);
  auto* inGroup = new QLineEdit(group);
  auto* disabled = new QPushButton(&window);
  disabled->setEnabled(false);
  group->setEnabled(false);
  EXPECT_TRUE(adapter(inGroup).get("Enabled").toBool()) << "its own flag, not the group's";
  tema_->configurarFormulario(object(&window));
  EXPECT_FALSE(disabled->isEnabled());
  group->setEnabled(true);
  EXPECT_TRUE(inGroup->isEnabled());
  // Outside an apply the host's writes take effect at once.
  adapter(inGroup).set("enabled", Variant(false));
  EXPECT_FALSE(inGroup->isEnabled());
}

}  // namespace
}  // namespace palvex::qt::testing
