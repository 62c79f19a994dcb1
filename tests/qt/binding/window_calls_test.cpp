// Forms, toolbars, status bars, menu bars and menus in the window-call
// layer: no handle or brush left behind by widgets that come and go. (That
// colours given through the window calls land, the colour tests show.)

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "binding_fixture.h"
#include "palvex/win32.h"

namespace palvex::qt::testing {
namespace {

using namespace palvex::win32;

class WindowCallsTest : public BindingTest {};

TEST_F(WindowCallsTest, WidgetChurnLeavesNoWindowMenuOrBrushBehind) {
  const HandleCounts handlesBefore = handleCounts();
  const BrushCounts brushesBefore = brushCounts();
  {
    QMainWindow form;
    for (int i = 0; i < 10000; ++i) {
      auto* toolbar = new QToolBar;
      form.addToolBar(toolbar);
      form.setStatusBar(new QStatusBar);  // deletes the previous one
      QMenu* menu = form.menuBar()->addMenu(QStringLiteral("m"));
      menu->addMenu(QStringLiteral("sub"));
      tema_->configurarFormulario(object(&form));
      delete toolbar;
      delete menu;
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the replaced status bar
    }
    EXPECT_EQ(handleCounts().windows, handlesBefore.windows + 2);  // the form and its status bar
  }
  EXPECT_EQ(handleCounts().windows, handlesBefore.windows);
  EXPECT_EQ(handleCounts().menus, handlesBefore.menus);
  EXPECT_EQ(brushCounts().live, brushesBefore.live);
}

}  // namespace
}  // namespace palvex::qt::testing
