// Toolbar, status-bar and shape elements: the ones that trap nothing, and the
// window routines behind the first two.

#include <gtest/gtest.h>

#include "element_test_support.h"
#include "palvex/api_calls.h"

namespace palvex {
namespace {

using testing::ElementTest;
using testing::makeControl;
using namespace win32;

// A toolbar control over its own window with one "msvb_lib_toolbar" child.
struct Toolbar {
  HWND window = 0;
  HWND child = 0;
  std::shared_ptr<PropertyBag> control;
};

Toolbar makeToolbar(std::int32_t style, const char* tag = "") {
  Toolbar t;
  t.window = createWindow("ToolbarWindow32");
  t.child = createWindow("msvb_lib_toolbar", t.window);
  t.control = makeControl("Toolbar", {}, tag);
  t.control->declare("Style", Variant(style)).declare("hwnd", Variant(t.window));
  return t;
}

class WindowElementsTest : public ElementTest {};

TEST_F(WindowElementsTest, ToolbarStyleChoosesWhichClassIsColoured) {
  auto element = CToolBar::create();
  Toolbar flat = makeToolbar(1);
  element->Aplicar(Variant(flat.control));
  EXPECT_EQ(brushColour(classBackground("ToolbarWindow32")), 0xFEE2CF);
  EXPECT_EQ(classBackground("msvb_lib_toolbar"), 0);

  element->setBackColor(0x00FF00);
  Toolbar standard = makeToolbar(0);
  element->Aplicar(Variant(standard.control));
  EXPECT_EQ(brushColour(classBackground("MSVB_LIB_TOOLBAR")), 0x00FF00);
  EXPECT_EQ(brushColour(classBackground("ToolbarWindow32")), 0xFEE2CF);
}

TEST_F(WindowElementsTest, ToolbarBrushReplacedByTheNextApplicationIsDeleted) {
  auto element = CToolBar::create();
  Toolbar t = makeToolbar(1);
  element->Aplicar(Variant(t.control));
  const HBRUSH first = classBackground("ToolbarWindow32");
  element->Aplicar(Variant(t.control));
  EXPECT_NE(classBackground("ToolbarWindow32"), first);
  EXPECT_EQ(brushColour(first), std::nullopt);
}

TEST_F(WindowElementsTest, ThousandToolbarApplicationsLeaveOneBrushPerClass) {
  auto element = CToolBar::create();
  Toolbar flat = makeToolbar(1);
  Toolbar standard = makeToolbar(2);
  for (int i = 0; i < 1000; ++i) {
    element->Aplicar(Variant(flat.control));
    element->Aplicar(Variant(standard.control));
  }
  const BrushCounts counts = brushCounts();
  EXPECT_EQ(counts.live, 2u);
  EXPECT_EQ(counts.classBackgrounds, 2u);
}

TEST_F(WindowElementsTest, ToolbarWithoutTargetWindowChangesNothingAndLeaksNothing) {
  auto control = makeControl("Toolbar", {});
  control->declare("Style", Variant(0)).declare("hwnd", Variant(createWindow("ToolbarWindow32")));
  EXPECT_NO_THROW(CToolBar::create()->Aplicar(Variant(control)));
  EXPECT_EQ(brushCounts().live, 0u);
}

TEST_F(WindowElementsTest, ToolbarFailuresReachTheCallerWithoutLeakingTheBrush) {
  auto element = CToolBar::create();
  auto noStyle = makeControl("Toolbar", {});
  noStyle->declare("hwnd", Variant(createWindow("ToolbarWindow32")));
  EXPECT_PALVEX_ERROR(element->Aplicar(Variant(noStyle)), ErrorNumber::NoSuchMember, "Style");

  auto noWindow = makeControl("Toolbar", {});
  noWindow->declare("Style", Variant(1));
  EXPECT_PALVEX_ERROR(element->Aplicar(Variant(noWindow)), ErrorNumber::NoSuchMember, "hwnd");

  EXPECT_PALVEX_ERROR(element->Aplicar(Variant(Nothing{})), ErrorNumber::ObjectNotSet, "");
  EXPECT_EQ(brushCounts().live, 0u);
}

struct MessageLog : Listener {
  std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>> messages;
  void messageSent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    messages.emplace_back(window, message, wParam, lParam);
  }
};

TEST_F(WindowElementsTest, StatusBarGetsOneColourMessagePerApplication) {
  MessageLog log;
  addListener(&log);
  const HWND window = createWindow("msctls_statusbar32");
  auto bar = makeControl("StatusBar", {});
  bar->declare("hWnd", Variant(window));  // read as "hwnd": names are case-blind
  auto element = CStatusBar::create();
  element->setBackColor(static_cast<std::int32_t>(0x8000000Fu));
  element->Aplicar(Variant(bar));

  using Message = std::tuple<HWND, UINT, WPARAM, LPARAM>;
  EXPECT_EQ(log.messages, (std::vector<Message>{{window, SB_SETBKCOLOR, 0, -2147483633}}));
  EXPECT_EQ(statusBarColour(window), -2147483633);
  removeListener(&log);
}

TEST_F(WindowElementsTest, ToolbarAndStatusBarIgnoreTheOverrideMarker) {
  Toolbar t = makeToolbar(1, "THEMEOVERRIDE");
  CToolBar::create()->Aplicar(Variant(t.control));
  EXPECT_NE(classBackground("ToolbarWindow32"), 0);

  const HWND window = createWindow("msctls_statusbar32");
  auto bar = makeControl("StatusBar", {}, "ThemeOverride");
  bar->declare("hwnd", Variant(window));
  CStatusBar::create()->Aplicar(Variant(bar));
  EXPECT_EQ(statusBarColour(window), 0xFEE2CF);
}

TEST_F(WindowElementsTest, StatusBarWithoutWindowFailsToTheCaller) {
  auto bar = makeControl("StatusBar", {});
  EXPECT_PALVEX_ERROR(CStatusBar::create()->Aplicar(Variant(bar)), ErrorNumber::NoSuchMember, "hwnd");
}

// --- Shape ---

TEST_F(WindowElementsTest, ShapeTakesItsBorderColourUnlessMarked) {
  auto element = CShape::create();
  auto shape = makeControl("Shape", {"borderColor"});
  element->Aplicar(Variant(shape));
  EXPECT_EQ(shape->value("borderColor"), Variant(0xFDB6A2));

  auto marked = makeControl("Shape", {"borderColor"}, "a themeOverride b");
  element->Aplicar(Variant(marked));
  EXPECT_TRUE(marked->writes().empty());
}

TEST_F(WindowElementsTest, ShapeFailuresReachADirectCaller) {
  auto element = CShape::create();
  auto noBorder = makeControl("Shape", {});
  EXPECT_PALVEX_ERROR(element->Aplicar(Variant(noBorder)), ErrorNumber::NoSuchMember, "borderColor");

  auto noTag = makeControl("Shape", {"borderColor"}, nullptr);
  EXPECT_PALVEX_ERROR(element->Aplicar(Variant(noTag)), ErrorNumber::NoSuchMember, "Tag");
  EXPECT_TRUE(noTag->writes().empty());

  auto unreadable = makeControl("Shape", {"borderColor"});
  unreadable->failOnRead("Tag", Error(ErrorNumber::TypeMismatch, "tag ilegible"));
  EXPECT_PALVEX_ERROR(element->Aplicar(Variant(unreadable)), ErrorNumber::TypeMismatch, "tag ilegible");
  EXPECT_TRUE(unreadable->writes().empty());

  auto refusing = makeControl("Shape", {"borderColor"});
  refusing->refuseWrites("borderColor", Error(ErrorNumber::Overflow, "no"));
  EXPECT_PALVEX_ERROR(element->call("Aplicar", {Variant(refusing)}), ErrorNumber::Overflow, "no");
}

TEST_F(WindowElementsTest, HostShapesAreIndependentButShareTheirKey) {
  storeValue("SHAPE", "BorderColor", "255");
  auto shared = globales::sharedShape();
  auto first = CShape::create();
  auto second = CShape::create();
  first->setBorderColor(1);
  EXPECT_EQ(second->borderColor(), 255);
  EXPECT_EQ(shared->borderColor(), 255);

  second->setBorderColor(2);
  second->Update();
  EXPECT_EQ(section("SHAPE"), (SettingPairs{{"BorderColor", "2"}}));
  first->Update();
  EXPECT_EQ(section("SHAPE"), (SettingPairs{{"BorderColor", "1"}}));
  EXPECT_EQ(shared->borderColor(), 255);
  EXPECT_EQ(CShape::create()->borderColor(), 1);
}

}  // namespace
}  // namespace palvex
