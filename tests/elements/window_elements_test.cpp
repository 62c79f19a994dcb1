// Toolbar, status-bar and shape elements: they trap nothing, and the first
// two ignore the override marker and colour through window calls.

#include <gtest/gtest.h>

#include "support/element_env.h"

namespace palvex {
namespace {

using testing::makeControl;
using namespace win32;

class WindowElementsTest : public testing::ElementTest {
 protected:
  // A toolbar control over its own window with one "msvb_lib_toolbar" child.
  static std::shared_ptr<testing::RecordingBag> makeToolbar(std::int32_t style, const char* tag = "") {
    const HWND window = createWindow("ToolbarWindow32");
    createWindow("msvb_lib_toolbar", window);
    auto control = makeControl("Toolbar", {}, tag);
    control->declare("Style", Variant(style)).declare("hwnd", Variant(window));
    return control;
  }
};

TEST_F(WindowElementsTest, ToolbarStyleChoosesTheClassWithOneBrushEachAndTheStatusBarTakesItsColour) {
  auto element = CToolBar::create();
  auto flat = makeToolbar(1, "THEMEOVERRIDE");  // the marker means nothing here
  element->Aplicar(Variant(flat));
  const HBRUSH first = classBackground("ToolbarWindow32");
  EXPECT_EQ(brushColour(first), 0xFEE2CF);
  EXPECT_EQ(classBackground("msvb_lib_toolbar"), 0);

  element->setBackColor(0x00FF00);
  auto standard = makeToolbar(2);
  for (int i = 0; i < 1000; ++i) {
    element->Aplicar(Variant(flat));
    element->Aplicar(Variant(standard));
  }
  EXPECT_EQ(brushColour(classBackground("MSVB_LIB_TOOLBAR")), 0x00FF00);
  EXPECT_EQ(brushColour(first), std::nullopt) << "the replaced brush is deleted";
  EXPECT_EQ(brushCounts().live, 2u);

  // A status bar takes its colour through a message, whatever its Tag.
  const HWND statusWindow = createWindow("msctls_statusbar32");
  auto bar = makeControl("StatusBar", {}, "ThemeOverride");
  bar->declare("hWnd", Variant(statusWindow));  // read as "hwnd": names are case-blind
  auto statusBar = CStatusBar::create();
  statusBar->setBackColor(static_cast<std::int32_t>(0x8000000Fu));
  statusBar->Aplicar(Variant(bar));
  EXPECT_EQ(statusBarColour(statusWindow), -2147483633);
}

TEST_F(WindowElementsTest, ShapeHonoursTheMarkerAndLetsFailuresThrough) {
  auto element = CShape::create();
  auto shape = makeControl("Shape", {"borderColor"});
  element->Aplicar(Variant(shape));
  EXPECT_EQ(shape->value("borderColor"), Variant(0xFDB6A2));
  auto marked = makeControl("Shape", {"borderColor"}, "a themeOverride b");
  element->Aplicar(Variant(marked));
  EXPECT_TRUE(marked->writes().empty());

  EXPECT_PALVEX_ERROR(element->Aplicar(Variant(Nothing{})), ErrorNumber::ObjectNotSet, "");
  auto unreadable = makeControl("Shape", {"borderColor"});
  unreadable->failOnRead("Tag", Error(ErrorNumber::TypeMismatch, "tag ilegible"));
  EXPECT_PALVEX_ERROR(element->Aplicar(Variant(unreadable)), ErrorNumber::TypeMismatch, "tag ilegible");
  auto refusing = makeControl("Shape", {"borderColor"});
  refusing->refuseWrites("borderColor", Error(ErrorNumber::Overflow, "no"));
  EXPECT_PALVEX_ERROR(element->call("Aplicar", {Variant(refusing)}), ErrorNumber::Overflow, "no");
}

}  // namespace
}  // namespace palvex
