// The window as it opens: caption, menus, samples and their places, the load
// step, and which element a menu entry or a click on a sample selects.

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gmock/gmock.h>

#include "designer/designer_fixture.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/qt/controls.h"
#include "palvex/tema.h"

namespace palvex::testing {
namespace {

using ::testing::ElementsAre;

class WindowTest : public DesignerTest {};

TEST_F(WindowTest, EditarTemaOpensAnotherModelessOwnerlessWindowOnEveryCall) {
  tema_->editarTema();
  tema_->editarTema();
  QList<QWidget*> designers;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("frmDesigner")) designers << w;
  ASSERT_EQ(designers.size(), 2);
  for (QWidget* w : designers) {
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->parentWidget(), nullptr);
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
  }
}

TEST_F(WindowTest, CaptionNamesTheCurrentTheme) {
  tema_->setTema("Oscuro");
  open();
  EXPECT_EQ(window()->windowTitle(), QStringLiteral("Editor de Palvex (Tema Activo = Oscuro)"));
}

// The places are the layout's own rows; what must hold whatever they say is
// that every sample shows whole inside its container, labels wide enough for
// their text, and the window's areas stacked as the user sees them.
TEST_F(WindowTest, EverySampleShowsWholeInsideItsContainer) {
  open();
  int samples = 0;
  for (const char* container : {"Frame1", "frmText"}) {
    QWidget* parent = find(container);
    for (QWidget* w : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      SCOPED_TRACE(w->objectName().toStdString());
      ++samples;
      EXPECT_TRUE(parent->rect().contains(w->geometry()));
      if (qobject_cast<QLabel*>(w)) {
        EXPECT_GE(w->width(), w->sizeHint().width());
      }
    }
  }
  EXPECT_EQ(samples, 24);
  QWidget* toolbar = find<QToolBar>("Toolbar1");
  const QPoint origin = toolbar->mapTo(window(), QPoint());
  EXPECT_EQ(toolbar->height(), px(42));
  EXPECT_EQ(find("clientArea")->mapTo(window(), QPoint()) - origin, QPoint(0, px(42)));
  EXPECT_EQ(find("StatusBar1")->mapTo(window(), QPoint()) - origin, QPoint(0, px(473)));
  EXPECT_TRUE(toolbar->actions().isEmpty());
  EXPECT_EQ(find<QStatusBar>("StatusBar1")->findChild<QLabel*>()->text(), QStringLiteral("Barra de status"));
}

TEST_F(WindowTest, LoadFillsTheSamplesDisablesTheButtonAndSelectsNothing) {
  open();
  auto* list = find<qt::skinList>("skinList1");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("Listas"));
  EXPECT_EQ(find<qt::skinCodeBox>("skinCodeBox1")->maxLength(), 20);
  EXPECT_TRUE(find<qt::skinNumber>("skinNumber1")->calculatorButton());

  auto* sampleGrid = find<QTableWidget>("MSFlexGrid1");
  EXPECT_EQ(sampleGrid->rowCount() + 1, 9);  // the header is the fixed row
  EXPECT_EQ(sampleGrid->columnCount(), 8);
  EXPECT_FALSE(sampleGrid->verticalHeader()->isVisible());
  EXPECT_EQ(sampleGrid->horizontalHeaderItem(0)->text(), QStringLiteral("Fixed"));
  EXPECT_EQ(sampleGrid->item(0, 0)->text(), QStringLiteral("Normal"));

  QTableWidget* g = grid();
  EXPECT_EQ(g->horizontalHeaderItem(0)->text(), QStringLiteral("Nombre de propiedad"));
  EXPECT_EQ(g->horizontalHeaderItem(1)->text(), QStringLiteral("Valor"));
  EXPECT_EQ(g->horizontalHeaderItem(1)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_THAT(rows(), ElementsAre(std::pair<std::string, std::string>("", "")));
  // A click before any choice does nothing: a dialog would fail the test.
  clickCell(0, 1);
}

// Every entry of the list shows its element's rows. Which element each one
// selects shows in the edits made through it; "Menues" selects the form's.
TEST_F(WindowTest, EachMenuEntryShowsItsElementsRows) {
  open();
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

struct SampleClick {
  const char* sample;
  const char* elementClass;  // "" selects nothing
};
// A sample of each way a click reaches its selector: a bar, a bar's panel,
// a grid's viewport, a label standing for another element, and samples that
// select nothing. The text samples are entered from the keyboard below.
constexpr SampleClick kSampleClicks[] = {
    {"Toolbar1", "CToolBar"}, {"StatusBar1", "CStatusBar"}, {"Label9", "CTabStrip"}, {"MSFlexGrid1", "CGrid"},
    {"skinButton1", "CCommandButton"}, {"skinButtondis", ""}, {"Label1", ""}, {"Frame1", ""},
};

TEST_F(WindowTest, ClickOnASampleSelectsAsItsMenuEntryDoes) {
  open();
  for (const SampleClick& c : kSampleClicks) {
    SCOPED_TRACE(c.sample);
    trigger("MC_Shape");  // a known starting point that no sample selects
    QWidget* w = find(c.sample);
    ASSERT_NE(w, nullptr);
    // The status bar is clicked on its panel, the grid on a body cell.
    if (auto* bar = qobject_cast<QStatusBar*>(w)) w = bar->findChild<QLabel*>();
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 0)).center());
    } else {
      QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, w->height() / 2));
    }
    EXPECT_EQ(currentElement(), QString::fromLatin1(*c.elementClass ? c.elementClass : "CShape"));
  }
}

// Focus coming back after a menu keeps the menu's choice.
TEST_F(WindowTest, EnteringATextSampleFromTheKeyboardSelectsTheTextElement) {
  open();
  for (const char* name : {"skinCombo1", "skinList1", "skinCodeBox1", "skinText1", "skinNumber1", "skinDate1"}) {
    SCOPED_TRACE(name);
    trigger("MC_GRID");
    grid()->setFocus(Qt::TabFocusReason);
    find(name)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(currentElement(), QStringLiteral("CText"));
  }
  trigger("MC_GRID");
  QWidget* text = find("skinDate1");
  for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
    text->clearFocus();
    text->setFocus(reason);
    EXPECT_EQ(currentElement(), QStringLiteral("CGrid"));
  }
}

TEST_F(WindowTest, AnEngineErrorWhileOpeningReachesTheCallerAndLeavesNoWindow) {
  store().write("Orvane", "Palvex\\Default\\FORM", "BackColor", "99999999999");
  EXPECT_THROW(tema_->editarTema(), Error);
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), QStringLiteral("frmDesigner"));
}

TEST_F(WindowTest, KeyboardOpensTheMenusAndWorksTheGrid) {
  open();
  // The elements list, then the two commands; Alt and the letter after '&'
  // opens or runs each.
  QStringList captions;
  for (QAction* a : static_cast<QMainWindow*>(window())->menuBar()->actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{"&Elementos", "&Actualizar", "&Terminar"}));
  QTest::keyClick(window(), Qt::Key_E, Qt::AltModifier);
  QMenu* elements = find<QMenu>("MC_ELEMENTS");
  EXPECT_TRUE(elements->isVisible());
  // Opened from the keyboard, the menu starts on its first entry.
  QTest::keyClick(elements, Qt::Key_Down);
  QTest::keyClick(elements, Qt::Key_Return);
  EXPECT_EQ(currentElement(), QStringLiteral("CStatusBar"));

  trigger("MC_TEXT");
  QTableWidget* g = grid();
  g->setFocus();
  g->setCurrentCell(1, 1);

  dialogs_->inputs.push_back(QStringLiteral("255"));
  QTest::keyClick(g, Qt::Key_Return);
  EXPECT_EQ(globales::sharedText()->borderColorFocused(), 255);

  // A colour picked on the name cell lands in the element, and the value cell becomes current.
  QTest::keyClick(g, Qt::Key_Left);
  dialogs_->colours.push_back(0x00FF00);
  QTest::keyClick(g, Qt::Key_Space);
  EXPECT_EQ(dialogs_->colourInitials, std::vector<std::int32_t>{255});
  EXPECT_EQ(globales::sharedText()->borderColorFocused(), 0x00FF00);
  EXPECT_EQ(g->currentColumn(), 1);
}

}  // namespace
}  // namespace palvex::testing
