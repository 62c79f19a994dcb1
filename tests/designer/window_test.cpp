// The window as it opens: caption, menus, samples and their places, the load
// step, and which element a menu entry or a click on a sample selects.

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

#include "designer/designer_fixture.h"
#include "palvex/elements.h"
#include "palvex/globales.h"

namespace palvex::testing {
namespace {

using ::testing::ElementsAre;

using WindowTest = DesignerTest;

// Every entry of the list shows its element's rows. Which element each one
// selects shows in the edits made through it; "Menues" selects the form's.
TEST_F(WindowTest, EachMenuEntryShowsItsElementsRowsUnderACaptionNamingTheTheme) {
  tema_->setTema("Oscuro");
  open();
  EXPECT_EQ(window()->windowTitle(), QStringLiteral("Editor de Palvex (Tema Activo = Oscuro)"));
  // Before any choice the grid is empty, and a click on it does nothing: a dialog would fail the test.
  EXPECT_THAT(rows(), ElementsAre(std::pair<std::string, std::string>("", "")));
  clickCell(0, 1);
  for (QAction* entry : find<QMenu>("MC_ELEMENTS")->actions()) {
    SCOPED_TRACE(entry->objectName().toStdString());
    entry->trigger();
    const auto descriptors = globales::sharedElement(currentElement().toStdString())->propDesc();
    const auto shown = rows();
    ASSERT_EQ(shown.size(), descriptors.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
      EXPECT_EQ(shown[i].first, descriptors[i].propName);
      EXPECT_EQ(shown[i].second, std::to_string(descriptors[i].valor));
    }
  }
  trigger("MC_MENU");
  EXPECT_EQ(currentElement(), QStringLiteral("CForm"));
}

// A sample of each way a click reaches its selector: a bar, a bar's panel,
// a grid's viewport, a label standing for another element, and samples that
// select nothing (CShape, chosen before, stays). The text samples select
// when entered from the keyboard.
TEST_F(WindowTest, ClickOnASampleOrEnteringATextSampleSelectsAsItsMenuEntryDoes) {
  open();
  const std::pair<const char*, const char*> clicks[] = {
      {"Toolbar1", "CToolBar"},          {"StatusBar1", "CStatusBar"}, {"Label9", "CTabStrip"}, {"MSFlexGrid1", "CGrid"},
      {"skinButton1", "CCommandButton"}, {"skinButtondis", "CShape"},  {"Label1", "CShape"},    {"Frame1", "CShape"}};
  for (const auto& [sample, selected] : clicks) {
    trigger("MC_Shape");  // a known starting point that no sample selects
    QWidget* w = find(sample);
    // The status bar is clicked on its panel, the grid on a body cell.
    if (auto* bar = qobject_cast<QStatusBar*>(w)) w = bar->findChild<QLabel*>();
    if (auto* table = qobject_cast<QTableWidget*>(w))
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 0)).center());
    else
      QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, w->height() / 2));
    EXPECT_EQ(currentElement(), QString::fromLatin1(selected)) << sample;
  }
  for (const char* name : {"skinCombo1", "skinList1", "skinCodeBox1", "skinText1", "skinNumber1", "skinDate1"}) {
    trigger("MC_GRID");
    grid()->setFocus(Qt::TabFocusReason);
    find(name)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(currentElement(), QStringLiteral("CText")) << name;
  }
}

TEST_F(WindowTest, AnEngineErrorWhileOpeningReachesTheCallerAndLeavesNoWindow) {
  store().write("Orvane", "Palvex\\Default\\FORM", "BackColor", "99999999999");
  EXPECT_PALVEX_ERROR(tema_->editarTema(), ErrorNumber::Overflow, "BackColor");
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), QStringLiteral("frmDesigner"));
}

// Enter or Space on a cell acts as a click on it: on a name cell, the colour
// dialog, and a colour picked makes the value cell current.
TEST_F(WindowTest, EnterOnAGridCellActsAsAClick) {
  open();
  trigger("MC_TEXT");
  grid()->setFocus();
  grid()->setCurrentCell(1, 0);
  dialogs_->colours.push_back(0x00FF00);
  QTest::keyClick(grid(), Qt::Key_Return);
  EXPECT_EQ(globales::sharedText()->borderColorFocused(), 0x00FF00);
  EXPECT_EQ(grid()->currentColumn(), 1);
}

}  // namespace
}  // namespace palvex::testing
