// The demo window as a user drives it: the theme chooser and the designer
// entry wired to the engine.

#include <QAction>
#include <QApplication>
#include <QComboBox>

#include <gtest/gtest.h>

#include "demo_app.h"
#include "demo_render.h"
#include "demo_store.h"
#include "palvex/globales.h"
#include "picture_probes.h"

namespace palvex::testing {
namespace {

TEST(DemoWindow, TheToolbarComboAndTheMenuChooseTheThemeAndEditarTemaOpensTheDesigner) {
  auto store = demo::DemoStore::throwAway();
  demo::DemoApp demo("claro");
  auto& window = demo.window();
  auto* combo = window.findChild<QComboBox*>("cboTema");
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

  // Another designer on every call, modeless: a modal one would hold the test here.
  window.findChild<QAction*>("actEditarTema")->trigger();
  window.findChild<QAction*>("actEditarTema")->trigger();
  int designers = 0;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == "frmDesigner" && widget->isVisible() && widget->close()) ++designers;
  EXPECT_EQ(designers, 2);
}

}  // namespace
}  // namespace palvex::testing
