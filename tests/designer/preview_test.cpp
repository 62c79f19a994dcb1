// The preview: the samples as the theme colours them when the window opens,
// and repainted at once by an accepted edit, checked on the grabbed window.

#include <functional>

#include <QCoreApplication>
#include <QLabel>
#include <QTableWidget>

#include "designer/designer_fixture.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/qt/controls.h"
#include "palvex/tema.h"

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
    // Where the look is a detail the control tests check, the sample's property.
    {{"tabs"}, "MC_TABS", "TabBackColor",
     [](PreviewTest& t) { return paintColour(t.find<qt::skinTabs>("skinTabs1")->TabBackColor()); }},
    {{"check"}, "MC_CHECK", "CheckColor",
     [](PreviewTest& t) { return paintColour(t.find<qt::skinCheck>("skinCheck1")->CheckColor()); }},
    {{"shape"}, "MC_Shape", "borderColor",
     [](PreviewTest& t) { return paintColour(t.find<qt::Shape>("Shape1")->borderColor()); }},
};
INSTANTIATE_TEST_SUITE_P(Samples, RepaintTest, ::testing::ValuesIn(kRepaints), RowName());

// Within the edit itself, not at the next idle moment.
TEST_F(PreviewTest, AToolbarEditRepaintsTheBarAtOnce) {
  open();
  PaintCounter painted(find("Toolbar1"));
  pick("MC_TOOLBAR", "backColor");
  EXPECT_GT(painted.paints, 0);
}

TEST_F(PreviewTest, ALabelEditReachesOnlyLabel8) {
  open();
  const QColor before = find<QLabel>("Label1")->palette().color(QPalette::WindowText);
  pick("MC_LABEL", "foreColor");
  EXPECT_EQ(find<QLabel>("Label8")->palette().color(QPalette::WindowText), kNewPainted);
  EXPECT_EQ(find<QLabel>("Label1")->palette().color(QPalette::WindowText), before);
  EXPECT_EQ(find<QLabel>("Label9")->palette().color(QPalette::WindowText), before);
}

// What the element and the samples show after a click that
// changes nothing: the samples are re-applied all the same (a value painted
// over them comes back), unless the typed answer was refused. Both dialogs
// are cancelled; the colour dialog's cancel keeps the value it was given.
TEST_F(PreviewTest, AClickThatChangesNothingStillReappliesUnlessRefused) {
  const struct {
    const char* what;
    int column;
    bool reapplied;
  } cases[] = {{"colour dialog cancelled", 0, true}, {"input box cancelled", 1, false}};
  open();
  trigger("MC_TEXT");
  const int row = rowOf("BackColor");
  auto* text = find<qt::skinText>("skinText1");
  const int themed = text->BackColor();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    utility_->messages.clear();
    text->setBackColor(1);  // as if something else had painted over it
    if (c.column == 0) dialogs_->colours.push_back(std::nullopt);
    if (c.column == 1) dialogs_->inputs.push_back(std::nullopt);
    clickCell(row, c.column);
    EXPECT_EQ(text->BackColor(), c.reapplied ? themed : 1);
    EXPECT_EQ(utility_->messages.size(), c.reapplied ? 0u : 1u);
    EXPECT_EQ(globales::sharedText()->BackColor(), themed);
    EXPECT_FALSE(unsaved());
  }
}

TEST_F(PreviewTest, TwoWindowsEditTheSameElementsAndShowEachOthersEdits) {
  open();
  QWidget* second = open();
  trigger("MC_TEXT");
  trigger("MC_TEXT", second);
  pick("MC_TEXT", "BackColor");
  const int row = rowOf("BackColor");
  EXPECT_EQ(grid(second)->item(row, 1)->text(), QString::number(kNew));
  EXPECT_EQ(cellPixel(row, 1, second), kNewPainted);
  EXPECT_EQ(pixel(find("skinText1", second), QPoint(2, 2)), kNewPainted);
  // The edit is the first window's: only it has unsaved changes.
  EXPECT_TRUE(unsaved());
  EXPECT_FALSE(unsaved(second));
  // A change made elsewhere to an element neither window shows reaches the previews too.
  globales::sharedForm()->setBackColor(kNew);
  EXPECT_EQ(pixel(find("Frame1", second), QPoint(px(520), px(60))), kNewPainted);
  // Closed, the first leaves the second working on the same instance.
  window()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(window() == nullptr);
  dialogs_->inputs.push_back(QStringLiteral("65280"));
  clickCell(row, 1, second);
  EXPECT_EQ(globales::sharedText()->BackColor(), 65280);
  EXPECT_EQ(pixel(find("skinText1", second), QPoint(2, 2)), QColor(0, 255, 0));
}

// A host setTema while the window is open: the grid keeps the instance it
// was given, while every apply, the preview's included, reads the newly
// selected theme afresh.
TEST_F(PreviewTest, AfterAHostSetTemaTheGridEditsItsInstanceAndThePreviewShowsTheNewTheme) {
  store().write("Orvane", "Palvex\\Oscuro\\TEXT", "BackColor", "65280");
  open();
  trigger("MC_TEXT");
  const auto edited = globales::sharedText();
  tema_->setTema("Oscuro");
  dialogs_->colours.push_back(kNew);
  clickCell(rowOf("BackColor"), 0);  // no new choice: that would take a fresh instance
  EXPECT_EQ(edited->BackColor(), kNew);
  EXPECT_EQ(grid()->item(rowOf("BackColor"), 1)->text(), QString::number(kNew));
  EXPECT_EQ(interior("skinText1"), QColor(0, 255, 0));
  EXPECT_EQ(globales::sharedText()->BackColor(), 65280);
}

}  // namespace
}  // namespace palvex::testing
