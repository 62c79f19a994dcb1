// The form element: the form's own colour, the cache labels read, the menus,
// and the walk over the form's controls.

#include <gtest/gtest.h>

#include "support/element_env.h"

namespace palvex {
namespace {

using testing::makeControl;
using testing::slotColour;
using namespace win32;

class FormElementTest : public testing::ElementTest {
 protected:
  FormElementTest() {
    element->setBackColor(backColor);
    element->setMenuColor(menuColor);
  }

  // A form whose window has a menu bar with a menu holding a submenu.
  std::shared_ptr<testing::RecordingBag> makeForm(std::vector<Variant> controls, const char* tag = "") {
    window = createWindow("ThunderRT6FormDC");
    bar = createMenu();
    HMENU file = createMenu();
    nested = createMenu();
    appendSubMenu(bar, file);
    appendSubMenu(file, nested);
    attachMenu(window, bar);
    auto collection = testing::RecordingBag::make("Object");
    collection->setItems(std::move(controls));
    auto form = makeControl("frmPedidos", {"BackColor"}, tag);
    form->setForm().declare("hWnd", Variant(window)).declare("Controls", Variant(collection));
    return form;
  }

  static HBRUSH menuBrush(HMENU menu) {
    MENUINFO info;
    info.cbSize = sizeof info;
    GetMenuInfo(menu, &info);
    return info.hbrBack;
  }

  const std::int32_t backColor = slotColour(8, 0), menuColor = slotColour(8, 1);
  std::shared_ptr<CForm> element = CForm::create();
  HWND window = 0;
  HMENU bar = 0, nested = 0;
};

TEST_F(FormElementTest, FormFramesAndMenusTakeTheirColoursAndOtherControlsGoToTheDispatch) {
  auto plain = makeControl("Frame", {"BackColor"});
  auto marked = makeControl("Frame", {"BackColor"}, "grupo ThemeOverride");
  auto untagged = makeControl("Frame", {"BackColor"}, nullptr);
  auto unreadable = makeControl("Frame", {"BackColor"});
  unreadable->failOnRead("Tag");
  auto lowerCase = makeControl("frame", {"BackColor"});
  auto form = makeForm({Variant(plain), Variant(marked), Variant(untagged), Variant(unreadable), Variant(lowerCase)},
                       "THEMEOVERRIDE");  // the form itself takes no marker
  for (int i = 0; i < 10000; ++i) element->Aplicar(Variant(form));

  EXPECT_EQ(globales::formBackColorCache(), backColor);
  EXPECT_EQ(brushColour(menuBrush(nested)), menuColor);
  EXPECT_EQ(brushCounts().live, 1u) << "each run releases the menu brush it replaces";
  for (const auto& frame : {plain, untagged, unreadable}) EXPECT_EQ(frame->value("BackColor"), Variant(backColor));
  EXPECT_TRUE(marked->writes().empty());
  EXPECT_TRUE(lowerCase->writes().empty()) << "not a frame: handed to the dispatch, never coloured here";
}

TEST_F(FormElementTest, NothingStopsTheWalkOrEscapes) {
  auto refusing = makeControl("Frame", {"BackColor"});
  refusing->refuseWrites("BackColor");
  auto label = makeControl("Label", {"foreColor"});
  auto last = makeControl("Frame", {"BackColor"});
  auto form = makeForm({Variant(Nothing{}), Variant(42), Variant(refusing), Variant(label), Variant(last)});
  form->refuseWrites("BackColor");
  element->setBackColor(0xEED9D0);
  globales::state().firstTema.reset();  // no Tema to hand the label to
  EXPECT_NO_THROW(element->Aplicar(Variant(form)));
  EXPECT_EQ(globales::formBackColorCache(), 0xEED9D0) << "even when the form refuses the colour";
  EXPECT_EQ(last->value("BackColor"), Variant(0xEED9D0));
}

TEST_F(FormElementTest, ASubmenuOnTwoFormsBarsLeavesEachBarALiveBrush) {
  auto first = makeForm({});
  const HMENU firstBar = bar, shared = nested;
  auto second = makeForm({});
  appendSubMenu(bar, shared);
  element->Aplicar(Variant(first));
  element->setMenuColor(0x00FF00);
  element->Aplicar(Variant(second));

  EXPECT_EQ(brushColour(menuBrush(firstBar)), menuColor) << "the first bar keeps painting with a live brush";
  EXPECT_EQ(brushColour(menuBrush(shared)), 0x00FF00);
  element->Aplicar(Variant(first));
  element->Aplicar(Variant(second));
  EXPECT_EQ(brushCounts().live, 2u) << "no brush leaks either";
}

TEST_F(FormElementTest, MenuTreesListingASubmenuTwiceOrRunningDeepAreColouredInOnePass) {
  auto form = makeForm({});
  HMENU bottom = nested;
  for (int i = 0; i < 100000; ++i) {  // deeper than a stack holds one frame per level
    const HMENU next = createMenu();
    appendSubMenu(bottom, next);
    if (i < 40) appendSubMenu(bottom, next);  // 2^40 paths: walked path by path this would never end
    bottom = next;
  }
  EXPECT_FALSE(appendSubMenu(bottom, bar)) << "a cycle is refused however deep";
  element->Aplicar(Variant(form));
  EXPECT_EQ(brushColour(menuBrush(bottom)), menuColor);
}

}  // namespace
}  // namespace palvex
