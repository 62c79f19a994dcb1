// Ending windows and menus: a destroyed handle is gone for every call, shared
// submenus survive their first holder, menu brushes go with the last menu
// painting with them, and listeners may come and go while they are told.

#include <vector>

#include <gtest/gtest.h>

#include "palvex/win32.h"

namespace palvex::win32 {
namespace {

class LifecycleTest : public ::testing::Test {
 protected:
  LifecycleTest() { reset(); }
  ~LifecycleTest() override { reset(); }

  static bool paint(HMENU menu, COLORREF colour) {
    MENUINFO info;
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = CreateSolidBrush(colour);
    return SetMenuInfo(menu, &info);
  }
};

TEST_F(LifecycleTest, DestroyedWindowIsGoneWithItsChildrenAndMenuBar) {
  HWND form = createWindow("Form");
  HWND toolbar = createWindow("Toolbar", form);
  HWND button = createWindow("msvb_lib_toolbar", toolbar);
  HWND other = createWindow("Form");
  HMENU bar = createMenu(), sub = createMenu();
  ASSERT_TRUE(appendSubMenu(bar, sub));
  ASSERT_TRUE(attachMenu(form, bar));
  ASSERT_TRUE(paint(bar, 0x0000FF));

  EXPECT_TRUE(DestroyWindow(form));

  for (HWND gone : {form, toolbar, button}) EXPECT_FALSE(IsWindow(gone)) << gone;
  EXPECT_TRUE(IsWindow(other));
  EXPECT_FALSE(IsMenu(bar));
  EXPECT_FALSE(IsMenu(sub));
  EXPECT_EQ(FindWindowExA(toolbar, 0, "msvb_lib_toolbar", nullptr), 0);
  EXPECT_EQ(SendMessageA(toolbar, SB_SETBKCOLOR, 0, 1), 0);
  EXPECT_EQ(windowsOfClass("form"), std::vector<HWND>{other});
  EXPECT_FALSE(DestroyWindow(form));
  EXPECT_EQ(handleCounts().windows, 1u);
  EXPECT_EQ(handleCounts().menus, 0u);
  EXPECT_EQ(brushCounts().menuBackgrounds, 0u) << "the menu brush went with the bar";
}

TEST_F(LifecycleTest, SubmenuSharedByTwoBarsOutlivesTheFirst) {
  HMENU first = createMenu(), second = createMenu(), shared = createMenu(), own = createMenu();
  ASSERT_TRUE(appendSubMenu(first, shared));
  ASSERT_TRUE(appendSubMenu(first, own));
  ASSERT_TRUE(appendSubMenu(second, shared));
  ASSERT_TRUE(paint(second, 0x123456));

  EXPECT_TRUE(DestroyMenu(first));

  EXPECT_FALSE(IsMenu(first));
  EXPECT_FALSE(IsMenu(own));
  ASSERT_TRUE(IsMenu(shared));
  EXPECT_EQ(GetSubMenu(second, 0), shared);
  MENUINFO info;
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  ASSERT_TRUE(GetMenuInfo(shared, &info));
  EXPECT_EQ(brushColour(info.hbrBack), 0x123456) << "the surviving bar still paints with a live brush";

  HWND toolbar = createWindow("Toolbar");
  SetClassLongA(toolbar, GCL_HBRBACKGROUND, CreateSolidBrush(0x00FF00));
  ASSERT_TRUE(DestroyMenu(second));
  EXPECT_EQ(brushCounts().menuBackgrounds, 0u) << "gone with the last menu painting with it";
  EXPECT_EQ(brushCounts().live, 1u) << "the class background stays with its class";
}

TEST_F(LifecycleTest, DetachedSubmenuLivesOnAlone) {
  HMENU bar = createMenu(), sub = createMenu();
  ASSERT_TRUE(appendSubMenu(bar, sub));
  EXPECT_TRUE(removeSubMenu(bar, sub));
  EXPECT_FALSE(removeSubMenu(bar, sub));
  EXPECT_EQ(GetMenuItemCount(bar), 0);
  ASSERT_TRUE(DestroyMenu(bar));
  EXPECT_TRUE(IsMenu(sub));
}

TEST_F(LifecycleTest, DeepMenuChainIsDestroyedWithoutRecursion) {
  HMENU top = createMenu();
  HMENU last = top;
  for (int i = 0; i < 100000; ++i) {
    HMENU next = createMenu();
    ASSERT_TRUE(appendSubMenu(last, next));
    last = next;
  }
  EXPECT_TRUE(DestroyMenu(top));
  EXPECT_EQ(handleCounts().menus, 0u);
}

// Records what it hears and runs an action on the first class change.
struct ActingListener : Listener {
  std::vector<std::string> heard;
  std::vector<HWND> windows;
  std::function<void()> action;
  std::string name;
  void classBackgroundChanged(std::string_view, HBRUSH, std::span<const HWND> affected) override {
    heard.push_back(name);
    windows.assign(affected.begin(), affected.end());
    if (auto act = std::exchange(action, nullptr)) act();
  }
  void windowDestroyed(HWND window) override { heard.push_back(name + " destroyed " + std::to_string(window)); }
};

TEST_F(LifecycleTest, ListenerMayRemoveItselfOrAnotherDuringNotification) {
  auto first = std::make_unique<ActingListener>();
  auto second = std::make_unique<ActingListener>();
  first->name = "first";
  second->name = "second";
  addListener(first.get());
  addListener(second.get());
  first->action = [&] {
    removeListener(second.get());
    second.reset();  // would be a use-after-free if still called
    removeListener(first.get());
  };
  HWND a = createWindow("Toolbar"), b = createWindow("toolbar");
  SetClassLongA(a, GCL_HBRBACKGROUND, CreateSolidBrush(1));
  EXPECT_EQ(first->heard, std::vector<std::string>{"first"});
  EXPECT_EQ(first->windows, (std::vector<HWND>{a, b})) << "a class change names every window of the class";
  SetClassLongA(a, GCL_HBRBACKGROUND, CreateSolidBrush(2));
  EXPECT_EQ(first->heard.size(), 1u);

  ActingListener listener;
  listener.name = "l";
  addListener(&listener);
  DestroyWindow(b);
  EXPECT_EQ(listener.heard, std::vector<std::string>{"l destroyed " + std::to_string(b)});
  removeListener(&listener);
}

}  // namespace
}  // namespace palvex::win32
