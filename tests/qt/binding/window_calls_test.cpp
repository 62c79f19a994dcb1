// Forms, toolbars, status bars, menu bars and menus in the window-call
// layer: colours given through the window calls landing on the widgets, and
// no handle or brush left behind by widgets that come and go.

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

HWND windowOf(QWidget* widget) { return adapter(widget).get("hwnd").toInt32(); }

QColor backgroundOf(QWidget* bar) { return pixel(shot(bar), bar, {bar->width() - 4, bar->height() / 2}); }

class WindowCallsTest : public BindingTest {};

TEST_F(WindowCallsTest, AClassBackgroundRepaintsEveryToolbarOfTheClass) {
  QMainWindow first;
  QMainWindow second;
  QToolBar* a = first.addToolBar(QStringLiteral("a"));
  QToolBar* b = second.addToolBar(QStringLiteral("b"));
  showActive(&first);
  showActive(&second);
  windowOf(b);  // b's window exists, so the class brush reaches it
  tema_->Aplicar(object(a));
  settle();
  const QColor expected = themeColour("CToolBar", "BackColor");
  EXPECT_EQ(backgroundOf(a).name(), expected.name());
  EXPECT_EQ(backgroundOf(b).name(), expected.name());

  // A host calling the window routine directly is heard too.
  const HBRUSH brush = CreateSolidBrush(0x00336699);
  DeleteObject(SetClassLongA(windowOf(b), GCL_HBRBACKGROUND, brush));
  settle();
  EXPECT_EQ(backgroundOf(a).name(), QColor(0x99, 0x66, 0x33).name());
}

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
