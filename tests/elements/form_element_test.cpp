// The form element: the form's own colour, the cache labels read, the menus,
// and the walk over the form's controls.

#include <gtest/gtest.h>

#include "element_test_support.h"

namespace palvex {
namespace {

using testing::ElementTest;
using testing::makeControl;
using testing::slotColour;
using testing::Writes;
using namespace win32;

class FormElementTest : public ElementTest {
 protected:
  FormElementTest() {
    element->setBackColor(backColor);
    element->setMenuColor(menuColor);
  }

  // A form whose window has a menu bar with a menu holding a submenu.
  std::shared_ptr<PropertyBag> makeForm(std::vector<Variant> controls, const char* tag = "") {
    window = createWindow("ThunderRT6FormDC");
    bar = createMenu();
    HMENU file = createMenu();
    nested = createMenu();
    appendSubMenu(bar, file);
    appendSubMenu(file, nested);
    attachMenu(window, bar);
    auto form = makeControl("frmPedidos", {"BackColor"}, tag);
    form->setForm().declare("hWnd", Variant(window)).declare("Controls", Variant(collection(std::move(controls))));
    return form;
  }

  static std::shared_ptr<PropertyBag> collection(std::vector<Variant> items) {
    auto controls = PropertyBag::make("Object");
    controls->setItems(std::move(items));
    return controls;
  }

  static HBRUSH menuBrush(HMENU menu) {
    MENUINFO info;
    info.cbSize = sizeof info;
    GetMenuInfo(menu, &info);
    return info.hbrBack;
  }

  const std::int32_t backColor = slotColour(8, 0);
  const std::int32_t menuColor = slotColour(8, 1);
  std::shared_ptr<CForm> element = CForm::create();
  HWND window = 0;
  HMENU bar = 0, nested = 0;
};

TEST_F(FormElementTest, FormTakesBackColourAndCacheEvenWhenItRefuses) {
  auto form = makeForm({});
  element->Aplicar(Variant(form));
  EXPECT_EQ(form->value("BackColor"), Variant(backColor));
  EXPECT_EQ(globales::state().formBackColorCache, backColor);

  auto stubborn = makeForm({});
  stubborn->refuseWrites("BackColor");
  element->setBackColor(0xEED9D0);
  element->Aplicar(Variant(stubborn));
  EXPECT_EQ(globales::state().formBackColorCache, 0xEED9D0);
}

TEST_F(FormElementTest, MenuBarAndEverySubmenuTakeTheMenuColour) {
  auto form = makeForm({});
  element->Aplicar(Variant(form));
  const HBRUSH brush = menuBrush(bar);
  EXPECT_EQ(brushColour(brush), menuColor);
  EXPECT_EQ(menuBrush(nested), brush);
}

TEST_F(FormElementTest, OverrideMarkerOnTheFormChangesNothing) {
  auto frame = makeControl("Frame", {"BackColor"});
  auto form = makeForm({Variant(frame)}, "THEMEOVERRIDE");
  element->Aplicar(Variant(form));
  EXPECT_EQ(form->value("BackColor"), Variant(backColor));
  EXPECT_EQ(brushColour(menuBrush(bar)), menuColor);
  EXPECT_EQ(frame->value("BackColor"), Variant(backColor));
}

TEST_F(FormElementTest, FramesTakeTheBackColourUnlessMarked) {
  auto plain = makeControl("Frame", {"BackColor"});
  auto marked = makeControl("Frame", {"BackColor"}, "grupo ThemeOverride");
  auto untagged = makeControl("Frame", {"BackColor"}, nullptr);
  auto unreadable = makeControl("Frame", {"BackColor"});
  unreadable->failOnRead("Tag");
  auto lowerCase = makeControl("frame", {"BackColor"});
  auto probe = makeControl("PaletteProbe", {"BackColor", "foreColor"});
  auto form = makeForm({Variant(plain), Variant(marked), Variant(untagged), Variant(unreadable), Variant(lowerCase),
                        Variant(probe)});
  element->Aplicar(Variant(form));

  const Writes coloured{{"BackColor", Variant(backColor)}};
  EXPECT_EQ(plain->writes(), coloured);
  EXPECT_TRUE(marked->writes().empty());
  EXPECT_EQ(untagged->writes(), coloured);
  EXPECT_EQ(unreadable->writes(), coloured);
  // Not frames: handed to the dispatch, never coloured here.
  EXPECT_TRUE(lowerCase->writes().empty());
  EXPECT_TRUE(probe->writes().empty());
}

TEST_F(FormElementTest, AFailingControlDoesNotEndTheWalk) {
  auto refusing = makeControl("Frame", {"BackColor"});
  refusing->refuseWrites("BackColor");
  auto last = makeControl("Frame", {"BackColor"});
  auto form = makeForm({Variant(Nothing{}), Variant(42), Variant(refusing), Variant(last)});
  globales::state().firstTema.reset();  // no Tema to hand the others to
  EXPECT_NO_THROW(element->Aplicar(Variant(form)));
  EXPECT_EQ(last->value("BackColor"), Variant(backColor));
}

TEST_F(FormElementTest, NoControlsCollectionMeansNoWalk) {
  auto form = makeForm({});
  form->failOnRead("Controls");
  EXPECT_NO_THROW(element->Aplicar(Variant(form)));
  auto bare = makeControl("frmVacio", {"BackColor"});
  bare->setForm();
  EXPECT_NO_THROW(element->Aplicar(Variant(bare)));
  EXPECT_EQ(bare->value("BackColor"), Variant(backColor));
  EXPECT_EQ(brushCounts().live, 1u);  // only the menu brush of the first form
}

TEST_F(FormElementTest, ContainerThatIsNoFormGetsNoMenuCall) {
  auto frame = makeControl("Frame", {"BackColor"});
  auto container = makeForm({Variant(frame)});
  container->setForm(false);
  element->Aplicar(Variant(container));
  EXPECT_EQ(container->value("BackColor"), Variant(backColor));
  EXPECT_EQ(frame->value("BackColor"), Variant(backColor));
  EXPECT_EQ(menuBrush(bar), 0);
  EXPECT_EQ(brushCounts().live, 0u);
}

TEST_F(FormElementTest, FormWithoutMenuBarOrWindowIsStillWalked) {
  auto frame = makeControl("Frame", {"BackColor"});
  auto form = makeForm({Variant(frame)});
  attachMenu(window, 0);
  element->Aplicar(Variant(form));
  EXPECT_EQ(frame->value("BackColor"), Variant(backColor));

  auto windowless = makeControl("frmSinVentana", {"BackColor"});
  windowless->setForm().declare("Controls", Variant(collection({Variant(frame)})));
  frame->clearWrites();
  EXPECT_NO_THROW(element->Aplicar(Variant(windowless)));
  EXPECT_EQ(frame->writes().size(), 1u);
  EXPECT_EQ(brushCounts().live, 0u);  // no menu took a brush, none was kept
}

TEST_F(FormElementTest, TenThousandConfigurationsLeaveOneMenuBrush) {
  auto form = makeForm({});
  for (int i = 0; i < 10000; ++i) element->Aplicar(Variant(form));
  const BrushCounts counts = brushCounts();
  EXPECT_EQ(counts.live, 1u);
  EXPECT_EQ(counts.menuBackgrounds, 1u);
}

TEST_F(FormElementTest, FormElementNeverThrows) {
  EXPECT_NO_THROW(element->Aplicar(Variant(Nothing{})));
  EXPECT_NO_THROW(element->Aplicar(Variant()));
  auto failing = makeControl("frmRoto", {"BackColor"});
  failing->refuseWrites("BackColor").failOnRead("Controls").failOnRead("hWnd").setForm();
  EXPECT_NO_THROW(element->Aplicar(Variant(failing)));
  EXPECT_EQ(brushCounts().live, 0u);
}

}  // namespace
}  // namespace palvex
