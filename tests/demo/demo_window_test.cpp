// The demo window as a user drives it: what it holds, and the theme chooser
// and the designer entry wired to the engine.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include "demo_app.h"
#include "demo_render.h"
#include "demo_store.h"
#include "palvex/globales.h"
#include "palvex/qt/controls.h"
#include "picture_probes.h"

namespace palvex::testing {
namespace {

TEST(DemoWindowContents, EveryKindOfControlIsThereUnderItsName) {
  demo::DemoWindow window;
  const std::pair<const char*, const QMetaObject*> expected[] = {
      {"mnuBarra", &QMenuBar::staticMetaObject},      {"mnuExportar", &QMenu::staticMetaObject},
      {"mnuElegirTema", &QMenu::staticMetaObject},    {"tbPrincipal", &QToolBar::staticMetaObject},
      {"tbEditarTema", &QToolButton::staticMetaObject}, {"cboTema", &QComboBox::staticMetaObject},
      {"sbEstado", &QStatusBar::staticMetaObject},    {"txtNombre", &qt::skinText::staticMetaObject},
      {"txtNif", &QLineEdit::staticMetaObject},       {"txtCodigo", &qt::skinCodeBox::staticMetaObject},
      {"cboProvincia", &qt::skinCombo::staticMetaObject}, {"cboFormaPago", &QComboBox::staticMetaObject},
      {"lstContactos", &qt::skinList::staticMetaObject}, {"lstHistorial", &QListWidget::staticMetaObject},
      {"dtpFecha", &qt::skinDate::staticMetaObject},  {"numDescuento", &qt::skinNumber::staticMetaObject},
      {"grdLineas", &QTableWidget::staticMetaObject}, {"tabDetalle", &qt::skinTabs::staticMetaObject},
      {"chkPreferente", &qt::skinCheck::staticMetaObject}, {"chkCorreo", &QCheckBox::staticMetaObject},
      {"chkRecargo", &qt::plainCheck::staticMetaObject}, {"optEmpresa", &QRadioButton::staticMetaObject},
      {"lblNombre", &QLabel::staticMetaObject},       {"lblSaldo", &qt::boxedLabel::staticMetaObject},
      {"fraCliente", &QGroupBox::staticMetaObject},   {"fraTotales", &QFrame::staticMetaObject},
      {"cmdGuardar", &qt::skinButton::staticMetaObject}, {"cmdDuplicar", &QPushButton::staticMetaObject},
      {"cmdAyuda", &qt::roundButton::staticMetaObject}, {"sldEstado", &qt::slideButton::staticMetaObject},
      {"shpTotal", &qt::Shape::staticMetaObject},
  };
  for (const auto& [name, metaObject] : expected) {
    auto* widget = window.findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name;
    EXPECT_TRUE(widget->metaObject()->inherits(metaObject)) << name << " is a " << widget->metaObject()->className();
  }
  EXPECT_EQ(window.findChild<QTableWidget*>("grdLineas")->rowCount(), 6);
  EXPECT_FALSE(window.findChild<QWidget*>("cmdAnular")->isEnabled());
}

TEST(DemoChooser, TheToolbarComboAndTheMenuChooseTheThemeAndTheWindowFollows) {
  auto store = demo::DemoStore::throwAway();
  demo::DemoApp demo("claro");
  auto& window = demo.window();
  auto* combo = window.findChild<QComboBox*>("cboTema");
  EXPECT_EQ(combo->currentText(), "Claro");
  auto shows = [&](const char* theme) {
    const QImage picture = demo::renderWindow(&window, QSize(1000, 700));
    EXPECT_EQ(globales::currentThemeName(), theme);
    EXPECT_EQ(mismatches(picture, demoProbes(window)), "") << theme;
    EXPECT_EQ(combo->currentText(), theme);
    EXPECT_TRUE(window.findChild<QAction*>(QString("actTema_") + theme)->isChecked()) << theme;
  };
  shows("Claro");

  emit combo->textActivated("Oscuro");
  shows("Oscuro");
  window.findChild<QAction*>("actTema_Sepia")->trigger();
  shows("Sepia");
}

TEST(DemoChooser, EditarTemaOpensTheDesigner) {
  auto store = demo::DemoStore::throwAway();
  demo::DemoApp demo("");
  auto designers = [] {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == "frmDesigner" && widget->isVisible()) ++count;
    return count;
  };
  const int before = designers();
  demo.window().findChild<QAction*>("actEditarTema")->trigger();
  EXPECT_EQ(designers(), before + 1);
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == "frmDesigner") widget->close();
}

}  // namespace
}  // namespace palvex::testing
