// The preview: the samples as the theme colours them when the window opens,
// and repainted at once by an accepted edit, checked on the grabbed window.

#include <cmath>
#include <functional>

#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

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
  PreviewTest() : tema_(Tema::create()) {}

  // Picks `colour` for the property `propName` of the element of menu entry `menu`.
  void pick(const char* menu, const char* propName, std::int32_t colour = kNew) {
    trigger(menu);
    dialogs_->colours.push_back(colour);
    clickCell(rowOf(propName), 0);
  }
  int px(int v) const { return static_cast<int>(std::lround(v * window()->logicalDpiX() / 96.0)); }
  // An empty spot of the preview panel, clear of every sample.
  QColor panelPixel() { return pixel(find("Frame1"), QPoint(px(520), px(60))); }
  QColor interior(const char* name) {
    QWidget* w = find(name);
    return pixel(w, QPoint(px(6), w->height() / 2));
  }

  std::shared_ptr<Tema> tema_;
};

TEST_F(PreviewTest, OpeningPaintsTheSamplesInTheCurrentTheme) {
  store().write("Orvane", "Palvex\\Default\\FORM", "BackColor", "12632256");  // 0xC0C0C0
  store().write("Orvane", "Palvex\\Default\\TEXT", "BackColor", "65535");     // yellow
  store().write("Orvane", "Palvex\\Default\\TOOLBAR", "BackColor", "255");    // red
  store().write("Orvane", "Palvex\\Default\\STATUSBAR", "BackColor", "16711680");  // blue
  open();
  EXPECT_EQ(panelPixel(), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(interior("skinText1"), QColor(255, 255, 0));
  QWidget* toolbar = find("Toolbar1");
  EXPECT_EQ(pixel(toolbar, toolbar->rect().center()), QColor(255, 0, 0));
  QWidget* status = find("StatusBar1");
  EXPECT_EQ(pixel(status, QPoint(status->width() - px(4), status->height() / 2)), QColor(0, 0, 255));
}

TEST_F(PreviewTest, ThePropertyGridKeepsItsOwnColoursWhateverTheTheme) {
  store().write("Orvane", "Palvex\\Default\\GRID", "BackColor", "255");
  store().write("Orvane", "Palvex\\Default\\FORM", "BackColor", "65280");
  open();
  QWidget* reference = new QTableWidget(1, 2);
  EXPECT_EQ(grid()->palette().color(QPalette::Base), reference->palette().color(QPalette::Base));
  EXPECT_EQ(cellPixel(0, 0), reference->palette().color(QPalette::Base));
  delete reference;
}

// An edit of each element repaints its samples at once.
struct Repaint {
  const char* menu;
  const char* propName;
  std::function<QColor(PreviewTest&)> seen;
};

TEST_F(PreviewTest, AnEditRepaintsTheElementsSamples) {
  const Repaint cases[] = {
      {"MC_TEXT", "BackColor", [](PreviewTest& t) { return t.interior("skinText1"); }},
      {"MC_TEXT", "BackColor", [](PreviewTest& t) { return t.interior("skinCodeBox1"); }},
      {"MC_BUTTON", "BackColor", [](PreviewTest& t) { return t.interior("skinButton1"); }},
      {"MC_BUTTON", "backColorDisabled", [](PreviewTest& t) { return t.interior("skinButtondis"); }},
      {"MC_FORM", "BackColor", [](PreviewTest& t) { return t.panelPixel(); }},
      {"MC_TOOLBAR", "backColor",
       [](PreviewTest& t) {
         QWidget* bar = t.find("Toolbar1");
         return t.pixel(bar, bar->rect().center());
       }},
      {"MC_STATUSBAR", "backColor",
       [](PreviewTest& t) {
         QWidget* bar = t.find("StatusBar1");
         return t.pixel(bar, QPoint(bar->width() - t.px(4), bar->height() / 2));
       }},
      {"MC_GRID", "BackColor",
       [](PreviewTest& t) {
         auto* g = t.find<QTableWidget>("MSFlexGrid1");
         const QRect cell = g->visualItemRect(g->item(3, 3));
         return t.pixel(g->viewport(), cell.center());
       }},
  };
  for (const Repaint& c : cases) {
    SCOPED_TRACE(std::string(c.menu) + " " + c.propName);
    open();
    pick(c.menu, c.propName);
    EXPECT_EQ(c.seen(*this), kNewPainted);
    closeAllDesigners();
  }
}

// Properties the samples took, for the elements whose look is a detail.
TEST_F(PreviewTest, AnEditReachesTheSamplesProperties) {
  open();
  pick("MC_TABS", "TabBackColor");
  EXPECT_EQ(find<qt::skinTabs>("skinTabs1")->TabBackColor(), kNew);
  pick("MC_CHECK", "CheckColor");
  EXPECT_EQ(find<qt::skinCheck>("skinCheck1")->CheckColor(), kNew);
  pick("MC_Shape", "borderColor");
  EXPECT_EQ(find<qt::Shape>("Shape1")->borderColor(), kNew);
  pick("MC_TEXT", "foreColor");
  EXPECT_EQ(find<qt::skinCombo>("skinCombo1")->foreColor(), kNew);
  EXPECT_EQ(find<qt::skinList>("skinList1")->foreColor(), kNew);
  EXPECT_EQ(find<qt::skinNumber>("skinNumber1")->foreColor(), kNew);
  EXPECT_EQ(find<qt::skinDate>("skinDate1")->foreColor(), kNew);
}

TEST_F(PreviewTest, DisabledButtonTakesItsNewColoursAndStaysDisabled) {
  open();
  pick("MC_BUTTON", "foreColorDisabled");
  auto* button = find<qt::skinButton>("skinButtondis");
  EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(button->foreColorDisabled(), kNew);
}

TEST_F(PreviewTest, ALabelEditReachesOnlyLabel8) {
  open();
  const QColor before = find<QLabel>("Label1")->palette().color(QPalette::WindowText);
  pick("MC_LABEL", "foreColor");
  EXPECT_EQ(find<QLabel>("Label8")->palette().color(QPalette::WindowText), kNewPainted);
  EXPECT_EQ(find<QLabel>("Label1")->palette().color(QPalette::WindowText), before);
  EXPECT_EQ(find<QLabel>("Label9")->palette().color(QPalette::WindowText), before);
}

TEST_F(PreviewTest, AFormEditReachesEveryControlOfTheWindow) {
  open();
  pick("MC_FORM", "BackColor");
  // Labels take the form's colour as their background, through the engine again.
  QWidget* label = find("Label1");
  EXPECT_EQ(pixel(label, QPoint(1, 1)), kNewPainted);
  EXPECT_EQ(pixel(window(), QPoint(window()->width() - px(2), window()->height() / 2)), kNewPainted);
}

TEST_F(PreviewTest, AMenuColourEditRepaintsTheMenuBar) {
  open();
  pick("MC_MENU", "MenuColor");
  QMenuBar* bar = static_cast<QMainWindow*>(window())->menuBar();
  EXPECT_EQ(pixel(bar, QPoint(bar->width() - px(4), bar->height() / 2)), kNewPainted);
}

TEST_F(PreviewTest, ACancelledDialogStillReappliesTheSamples) {
  open();
  auto* text = find<qt::skinText>("skinText1");
  const int themed = text->BackColor();
  text->setBackColor(1);  // as if something else had painted over it
  trigger("MC_TEXT");
  dialogs_->colours.push_back(std::nullopt);
  clickCell(rowOf("BackColor"), 0);
  EXPECT_EQ(text->BackColor(), themed);
  EXPECT_FALSE(unsaved());
}

TEST_F(PreviewTest, TheSameNumberTypedAgainWritesNothingButReapplies) {
  open();
  auto* text = find<qt::skinText>("skinText1");
  const int themed = text->BackColor();
  text->setBackColor(1);
  trigger("MC_TEXT");
  dialogs_->inputs.push_back(ScriptedDialogs::kTypeDefault);
  clickCell(rowOf("BackColor"), 1);
  EXPECT_EQ(text->BackColor(), themed);
  EXPECT_FALSE(unsaved());
}

TEST_F(PreviewTest, ARefusedNumberRepaintsNothing) {
  open();
  auto* text = find<qt::skinText>("skinText1");
  text->setBackColor(1);
  trigger("MC_TEXT");
  dialogs_->inputs.push_back(std::nullopt);
  clickCell(rowOf("BackColor"), 1);
  EXPECT_EQ(text->BackColor(), 1);
}

TEST_F(PreviewTest, AnEditInOneWindowRepaintsTheOther) {
  open();
  QWidget* second = open();
  pick("MC_TEXT", "BackColor");
  QWidget* text = find("skinText1", second);
  EXPECT_EQ(pixel(text, QPoint(px(6), text->height() / 2)), kNewPainted);
}

TEST_F(PreviewTest, AfterAHostSetTemaThePreviewShowsTheNewlySelectedTheme) {
  store().write("Orvane", "Palvex\\Oscuro\\TEXT", "BackColor", "65280");
  open();
  tema_->setTema("Oscuro");
  pick("MC_TEXT", "BackColor");
  // The edit went to the instance the grid holds; the samples were re-applied
  // from the fresh instance of the newly selected theme.
  EXPECT_EQ(interior("skinText1"), QColor(0, 255, 0));
}

}  // namespace
}  // namespace palvex::testing
