// The demo window as a user drives it: what it holds, and the theme chooser
// and the designer entry wired to the engine.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QSet>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "demo_app.h"
#include "demo_render.h"
#include "demo_store.h"
#include "palvex/globales.h"
#include "palvex/qt/controls.h"
#include "picture_probes.h"

namespace palvex::testing {
namespace {

// The window's own names are exercised by the tests that drive and picture
// it; what it must hold whatever its layout is one of every suite control
// and of every stock kind the engine themes.
TEST(DemoWindowContents, EverySuiteControlAndStockKindIsThere) {
  demo::DemoWindow window;
  QSet<QString> classes;
  for (QWidget* widget : window.findChildren<QWidget*>()) classes << widget->metaObject()->className();
  for (const QString& name : qt::controlClassNames())
    EXPECT_TRUE(classes.contains("palvex::qt::" + name)) << name.toStdString();
  for (const char* stock : {"QLineEdit", "QComboBox", "QListWidget", "QCheckBox", "QRadioButton", "QPushButton",
                            "QGroupBox", "QTableWidget"})
    EXPECT_TRUE(classes.contains(stock)) << stock;
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
