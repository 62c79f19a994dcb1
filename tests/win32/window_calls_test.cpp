// The in-process window system behind the Win32-named calls: Windows results,
// no errors raised, a listener told of every colour change, and handles that
// end as Windows ends them: a destroyed handle is gone for every call, shared
// submenus survive their first holder, menu brushes go with the last menu
// painting with them.

#include <vector>

#include <gtest/gtest.h>

#include "palvex/system_colours.h"
#include "palvex/win32.h"

namespace palvex::win32 {
namespace {

struct RecordingListener : Listener {
  std::vector<std::pair<std::string, HBRUSH>> classChanges;
  std::vector<HWND> classWindows, destroyed;
  std::vector<std::pair<HWND, COLORREF>> statusBarChanges;
  void classBackgroundChanged(std::string_view name, HBRUSH brush, std::span<const HWND> affected) override {
    classChanges.emplace_back(name, brush);
    classWindows.assign(affected.begin(), affected.end());
  }
  void statusBarColourChanged(HWND window, COLORREF colour) override { statusBarChanges.emplace_back(window, colour); }
  void windowDestroyed(HWND window) override { destroyed.push_back(window); }
};

class WindowCallsTest : public ::testing::Test {
 protected:
  WindowCallsTest() {
    reset();
    addListener(&listener);
  }
  ~WindowCallsTest() override { reset(); }

  // A form with a menu bar holding a menu.
  void buildForm() {
    form = createWindow("ThunderFormDC");
    bar = createMenu();
    nested = createMenu();
    ASSERT_TRUE(appendSubMenu(bar, nested));
    ASSERT_TRUE(attachMenu(form, bar));
  }
  static HBRUSH backgroundOf(HMENU menu) {
    MENUINFO info;
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    EXPECT_TRUE(GetMenuInfo(menu, &info));
    return info.hbrBack;
  }
  static bool paint(HMENU menu, COLORREF colour) {
    MENUINFO info;
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = CreateSolidBrush(colour);
    return SetMenuInfo(menu, &info);
  }

  RecordingListener listener;
  HWND form = 0;
  HMENU bar = 0, nested = 0;
};

TEST_F(WindowCallsTest, ClassBackgroundAndStatusBarColourReturnWhatTheyReplace) {
  HWND a = createWindow("msvb_lib_toolbar");
  HWND b = createWindow("MSVB_Lib_Toolbar");
  HBRUSH first = CreateSolidBrush(1), second = CreateSolidBrush(2);
  EXPECT_EQ(SetClassLongA(a, GCL_HBRBACKGROUND, first), 0);
  EXPECT_EQ(SetClassLongA(b, GCL_HBRBACKGROUND, second), first) << "one background per class";
  EXPECT_EQ(GetClassLongA(a, GCL_HBRBACKGROUND), second);
  EXPECT_EQ(windowClassName(b), "msvb_lib_toolbar");  // as first registered
  EXPECT_EQ(brushColour(first), 1) << "the class does not free the old brush";
  using Change = std::pair<std::string, HBRUSH>;
  EXPECT_EQ(listener.classChanges, (std::vector<Change>{{"msvb_lib_toolbar", first}, {"msvb_lib_toolbar", second}}));
  EXPECT_EQ(listener.classWindows, (std::vector<HWND>{a, b})) << "a class change names every window of the class";

  HWND statusBar = createWindow("msctls_statusbar32");
  EXPECT_EQ(SendMessageA(statusBar, SB_SETBKCOLOR, 0, 0xFEE2CF), CLR_DEFAULT);
  EXPECT_EQ(SendMessageA(statusBar, SB_SETBKCOLOR, 0, 7), 0xFEE2CF);
  EXPECT_EQ(statusBarColour(statusBar), 7);
  EXPECT_EQ(listener.statusBarChanges, (std::vector<std::pair<HWND, COLORREF>>{{statusBar, 0xFEE2CF}, {statusBar, 7}}));
}

TEST_F(WindowCallsTest, DestroyedWindowIsGoneWithItsChildrenAndMenuBar) {
  buildForm();
  HWND toolbar = createWindow("Toolbar", form);
  HWND button = createWindow("msvb_lib_toolbar", toolbar);
  HWND other = createWindow("ThunderFormDC");
  ASSERT_TRUE(paint(bar, 0x0000FF));

  EXPECT_TRUE(DestroyWindow(form));

  for (HWND gone : {form, toolbar, button}) EXPECT_FALSE(IsWindow(gone)) << gone;
  EXPECT_EQ(listener.destroyed.size(), 3u);
  EXPECT_FALSE(IsMenu(nested));
  EXPECT_EQ(windowsOfClass("thunderformdc"), std::vector<HWND>{other});
  EXPECT_FALSE(DestroyWindow(form));
  EXPECT_EQ(handleCounts().menus, 0u);
  EXPECT_EQ(brushCounts().menuBackgrounds, 0u) << "the menu brush went with the bar";
}

TEST_F(WindowCallsTest, SubmenuSharedByTwoBarsOutlivesTheFirstAndADetachedOneLivesAlone) {
  HMENU first = createMenu(), second = createMenu(), shared = createMenu(), own = createMenu(), loose = createMenu();
  ASSERT_TRUE(appendSubMenu(first, shared));
  ASSERT_TRUE(appendSubMenu(first, own));
  ASSERT_TRUE(appendSubMenu(first, loose));
  ASSERT_TRUE(appendSubMenu(second, shared));
  ASSERT_TRUE(paint(second, 0x123456));
  EXPECT_TRUE(removeSubMenu(first, loose));
  EXPECT_FALSE(removeSubMenu(first, loose));
  EXPECT_EQ(GetMenuItemCount(first), 2);

  EXPECT_TRUE(DestroyMenu(first));

  EXPECT_FALSE(IsMenu(own));
  EXPECT_TRUE(IsMenu(loose));
  ASSERT_TRUE(IsMenu(shared));
  EXPECT_EQ(brushColour(backgroundOf(shared)), 0x123456) << "the surviving bar still paints with a live brush";

  SetClassLongA(createWindow("Toolbar"), GCL_HBRBACKGROUND, CreateSolidBrush(0x00FF00));
  ASSERT_TRUE(DestroyMenu(second));
  EXPECT_EQ(brushCounts().menuBackgrounds, 0u) << "gone with the last menu painting with it";
  EXPECT_EQ(brushCounts().live, 1u) << "the class background stays with its class";

  // A chain deeper than a stack holds one frame per level is destroyed all the same.
  HMENU last = loose;
  for (int i = 0; i < 100000; ++i) {
    const HMENU next = createMenu();
    ASSERT_TRUE(appendSubMenu(last, next));
    last = next;
  }
  EXPECT_TRUE(DestroyMenu(loose));
  EXPECT_EQ(handleCounts().menus, 0u);
}

// System colours: the used indexes of the system bit, their defaults, and the
// resolver a binding answers through. Their names as a user reads them are
// the palvex tool's show to pin.
class SystemColoursTest : public ::testing::Test {
 protected:
  ~SystemColoursTest() override { installSystemColourResolver(nullptr); }
};

TEST_F(SystemColoursTest, OnlyTheUsedIndexesOfTheSystemBitAreSystemColours) {
  EXPECT_EQ(resolveColour(systemColour(30)), 0xF0F0F0) << "menu bar, the last";
  for (std::uint32_t colour : {0x80000019u, 0x8000001Fu, 0x80FF000Fu, 0x01000000u})
    EXPECT_EQ(resolveColour(static_cast<std::int32_t>(colour)), std::nullopt) << std::hex << colour;
  EXPECT_EQ(systemColourIndex(0x404040), std::nullopt);
}

TEST_F(SystemColoursTest, ResolverAnswersFirstAndInstallingItIsAChange) {
  int heard = 0;
  const SystemColourListenerId listener = addSystemColourListener([&] { ++heard; });
  installSystemColourResolver([](int index) -> std::optional<std::int32_t> {
    if (index == 15) return 0x7F112233;  // a top byte is ignored
    return std::nullopt;
  });
  removeSystemColourListener(listener);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(resolveColour(systemColour(15)), 0x112233);
  EXPECT_EQ(resolveColour(systemColour(5)), 0xFFFFFF);
  EXPECT_EQ(resolveColour(0x00ABCDEF), 0x00ABCDEF) << "plain colours never reach the resolver";
}

}  // namespace
}  // namespace palvex::win32
