// The preview: the samples as the theme colours them when the window opens,
// and repainted at once by an accepted edit, checked on the grabbed window.

#include <functional>

#include <QTableWidget>

#include "designer/designer_fixture.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/qt/controls.h"

namespace palvex::testing {
namespace {

// A colour no default uses, and the same as Qt paints it.
constexpr std::int32_t kNew = 0x3366CC;
const QColor kNewPainted(0xCC, 0x66, 0x33);

class PreviewTest : public DesignerTest {
 public:
  // Picks `colour` for the property `propName` of the element of menu entry `menu`.
  void pick(const char* menu, const char* propName, std::int32_t colour = kNew) {
    trigger(menu);
    dialogs_->colours.push_back(colour);
    clickCell(rowOf(propName), 0);
  }
  // An empty spot of the preview panel, clear of every sample.
  QColor panelPixel() { return pixel(find("Frame1"), QPoint(px(520), px(60))); }
  // Inside the border, above any text.
  QColor interior(const char* name) { return pixel(find(name), QPoint(2, 2)); }
};

// How each control takes its colours is the binding's; the window and a
// sample inside it show that opening themes the whole form.
TEST_F(PreviewTest, OpeningPaintsTheSamplesInTheCurrentTheme) {
  store().write("Orvane", "Palvex\\Default\\FORM", "BackColor", "12632256");  // 0xC0C0C0
  store().write("Orvane", "Palvex\\Default\\TEXT", "BackColor", "65535");     // yellow
  open();
  EXPECT_EQ(panelPixel(), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(interior("skinText1"), QColor(255, 255, 0));
}

// An edit of each element repaints its samples at once.
struct Repaint : NamedRow {
  const char* menu;
  const char* propName;
  std::function<QColor(PreviewTest&)> seen;
};

class RepaintTest : public PreviewTest, public ::testing::WithParamInterface<Repaint> {};

TEST_P(RepaintTest, AnEditRepaintsTheElementsSample) {
  open();
  pick(GetParam().menu, GetParam().propName);
  EXPECT_EQ(GetParam().seen(*this), kNewPainted);
  EXPECT_FALSE(find("skinButtondis")->isEnabled());
}

// One row per element: the samples an edit re-applies are one list in the
// window, and how each control kind shows a colour is the binding's.
const Repaint kRepaints[] = {
    {{"text"}, "MC_TEXT", "BackColor", [](PreviewTest& t) { return t.interior("skinText1"); }},
    {{"disabled button"}, "MC_BUTTON", "backColorDisabled", [](PreviewTest& t) { return t.interior("skinButtondis"); }},
    {{"form panel"}, "MC_FORM", "BackColor", [](PreviewTest& t) { return t.panelPixel(); }},
    {{"toolbar"}, "MC_TOOLBAR", "backColor", [](PreviewTest& t) { return t.pixel(t.find("Toolbar1"), QPoint(2, 2)); }},
    // Right of the panel's text.
    {{"status bar"}, "MC_STATUSBAR", "backColor",
     [](PreviewTest& t) { return t.pixel(t.find("StatusBar1"), QPoint(t.find("StatusBar1")->width() - 4, 4)); }},
    {{"sample grid"}, "MC_GRID", "BackColor",
     [](PreviewTest& t) {
       auto* g = t.find<QTableWidget>("MSFlexGrid1");
       return t.pixel(g->viewport(), g->visualItemRect(g->item(3, 3)).center());
     }},
    // The shape's outline is a detail the control tests check: here, the sample's property.
    {{"shape"}, "MC_Shape", "borderColor",
     [](PreviewTest& t) { return t.find<qt::Shape>("Shape1")->borderColor() == kNew ? kNewPainted : QColor(); }},
};
INSTANTIATE_TEST_SUITE_P(Samples, RepaintTest, ::testing::ValuesIn(kRepaints), RowName());

// Within the edit itself, not at the next idle moment.
TEST_F(PreviewTest, AToolbarEditRepaintsTheBarAtOnce) {
  open();
  PaintCounter painted(find("Toolbar1"));
  pick("MC_TOOLBAR", "backColor");
  EXPECT_GT(painted.paints, 0);
}

}  // namespace
}  // namespace palvex::testing
