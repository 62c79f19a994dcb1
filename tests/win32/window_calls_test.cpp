// The in-process window system behind the Win32-named calls: Windows results,
// no errors raised, and a listener told of every colour change.

#include <vector>

#include <gtest/gtest.h>

#include "palvex/win32.h"

namespace palvex::win32 {
namespace {

struct RecordingListener : Listener {
  std::vector<std::pair<std::string, HBRUSH>> classChanges;
  std::vector<std::pair<HWND, COLORREF>> statusBarChanges;
  std::size_t messages = 0;
  void classBackgroundChanged(std::string_view name, HBRUSH brush, std::span<const HWND>) override { classChanges.emplace_back(name, brush); }
  void statusBarColourChanged(HWND window, COLORREF colour) override { statusBarChanges.emplace_back(window, colour); }
  void messageSent(HWND, UINT, WPARAM, LPARAM) override { ++messages; }
};

class WindowCallsTest : public ::testing::Test {
 protected:
  WindowCallsTest() {
    reset();
    addListener(&listener);
  }
  ~WindowCallsTest() override { reset(); }

  // A form with a menu bar of two menus, the second holding a submenu.
  void buildForm() {
    form = createWindow("ThunderFormDC");
    bar = createMenu();
    file = createMenu();
    edit = createMenu();
    nested = createMenu();
    ASSERT_TRUE(appendSubMenu(bar, file));
    ASSERT_TRUE(appendSubMenu(bar, edit));
    ASSERT_TRUE(appendSubMenu(edit, nested));
    ASSERT_TRUE(attachMenu(form, bar));
  }
  static MENUINFO background(HBRUSH brush, std::uint32_t mask) {
    MENUINFO info;
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.hbrBack = brush;
    return info;
  }
  static HBRUSH backgroundOf(HMENU menu) {
    MENUINFO info = background(0, MIM_BACKGROUND);
    EXPECT_TRUE(GetMenuInfo(menu, &info));
    return info.hbrBack;
  }

  RecordingListener listener;
  HWND form = 0;
  HMENU bar = 0, file = 0, edit = 0, nested = 0;
};

TEST_F(WindowCallsTest, BrushesLiveUntilDeletedOnce) {
  HBRUSH red = CreateSolidBrush(0x0000FF);
  HBRUSH system = CreateSolidBrush(static_cast<COLORREF>(0x8000000Fu));
  EXPECT_EQ(brushColour(system), -2147483633);
  EXPECT_TRUE(DeleteObject(red));
  for (HBRUSH notABrush : {red, 0, createWindow("Form"), createMenu()}) EXPECT_FALSE(DeleteObject(notABrush));
  EXPECT_EQ(brushCounts().live, 1u);
}

TEST_F(WindowCallsTest, FindWindowFindsDirectChildrenByClassIgnoringCase) {
  HWND toolbar = createWindow("ToolbarWindow32");
  HWND other = createWindow("Static", toolbar);
  HWND first = createWindow("msvb_lib_toolbar", toolbar, "uno");
  HWND second = createWindow("MSVB_LIB_TOOLBAR", toolbar, "dos");
  createWindow("msvb_lib_toolbar", other);  // a grandchild is not found
  EXPECT_EQ(FindWindowExA(toolbar, 0, "msvb_lib_toolbar", nullptr), first);
  EXPECT_EQ(FindWindowExA(toolbar, first, "msvb_lib_toolbar", nullptr), second);
  EXPECT_EQ(FindWindowExA(toolbar, second, "msvb_lib_toolbar", nullptr), 0);
  EXPECT_EQ(FindWindowExA(toolbar, 0, "msvb_lib_toolbar", "dos"), second);
  EXPECT_EQ(FindWindowExA(0, 0, "ToolbarWindow32", nullptr), toolbar);
  EXPECT_EQ(createWindow("Child", toolbar + 1000), 0);
}

TEST_F(WindowCallsTest, ClassBackgroundAndStatusBarColourReturnWhatTheyReplace) {
  HWND a = createWindow("msvb_lib_toolbar");
  HWND b = createWindow("MSVB_Lib_Toolbar");
  HBRUSH first = CreateSolidBrush(1), second = CreateSolidBrush(2);
  EXPECT_EQ(SetClassLongA(a, GCL_HBRBACKGROUND, first), 0);
  EXPECT_EQ(SetClassLongA(b, GCL_HBRBACKGROUND, second), first) << "one background per class";
  EXPECT_EQ(GetClassLongA(a, GCL_HBRBACKGROUND), second);
  EXPECT_EQ(windowClassName(b), "msvb_lib_toolbar");  // as first registered
  EXPECT_EQ(brushColour(first), 1) << "the class does not free the old brush";
  EXPECT_EQ(SetClassLongA(0, GCL_HBRBACKGROUND, first), 0);
  EXPECT_EQ(SetClassLongA(a, -12, first), 0);
  using Change = std::pair<std::string, HBRUSH>;
  EXPECT_EQ(listener.classChanges, (std::vector<Change>{{"msvb_lib_toolbar", first}, {"msvb_lib_toolbar", second}}));

  HWND statusBar = createWindow("msctls_statusbar32");
  EXPECT_EQ(SendMessageA(statusBar, SB_SETBKCOLOR, 0, 0xFEE2CF), CLR_DEFAULT);
  EXPECT_EQ(SendMessageA(statusBar, SB_SETBKCOLOR, 0, 7), 0xFEE2CF);
  EXPECT_EQ(SendMessageA(statusBar, 0x0010, 1, 2), 0);  // not ours: ignored
  EXPECT_EQ(SendMessageA(0, SB_SETBKCOLOR, 0, 5), 0);
  EXPECT_EQ(statusBarColour(statusBar), 7);
  EXPECT_EQ(listener.statusBarChanges, (std::vector<std::pair<HWND, COLORREF>>{{statusBar, 0xFEE2CF}, {statusBar, 7}}));
  EXPECT_EQ(listener.messages, 3u) << "the message to window 0 went nowhere";
}

TEST_F(WindowCallsTest, MenusAreReachableFromTheirWindowAndFormNoCycle) {
  buildForm();
  EXPECT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(GetSubMenu(bar, 1), edit);
  EXPECT_EQ(GetSubMenu(bar, 2), 0);
  EXPECT_EQ(GetMenuItemCount(bar + 1000), -1);
  EXPECT_EQ(GetMenu(createWindow("ThunderFormDC")), 0);
  EXPECT_FALSE(appendSubMenu(edit, edit));
  EXPECT_FALSE(attachMenu(form, bar + 1000));
  EXPECT_EQ(GetMenu(form), bar);
}

TEST_F(WindowCallsTest, MenuBackgroundReachesEverySubmenuOnlyWhenAskedAndIsCountedApart) {
  buildForm();
  HBRUSH barOnly = CreateSolidBrush(1), all = CreateSolidBrush(2);
  auto info = background(barOnly, MIM_BACKGROUND);
  ASSERT_TRUE(SetMenuInfo(bar, &info));
  EXPECT_EQ(backgroundOf(bar), barOnly);
  EXPECT_EQ(backgroundOf(nested), 0);

  info = background(all, MIM_BACKGROUND | MIM_APPLYTOSUBMENUS);
  ASSERT_TRUE(SetMenuInfo(bar, &info));
  for (HMENU menu : {bar, file, edit, nested}) EXPECT_EQ(backgroundOf(menu), all) << menu;

  // Bad records and unknown menus change nothing; an empty mask is accepted.
  info = background(barOnly, MIM_BACKGROUND);
  info.cbSize = 24;
  EXPECT_FALSE(SetMenuInfo(bar, &info));
  info.cbSize = 28;
  EXPECT_FALSE(SetMenuInfo(0, &info));
  EXPECT_FALSE(SetMenuInfo(bar, nullptr));
  info.fMask = 0;
  EXPECT_TRUE(SetMenuInfo(bar, &info));
  EXPECT_EQ(backgroundOf(bar), all);

  // Brush counts tell class and menu brushes apart.
  HBRUSH classBrush = CreateSolidBrush(3);
  SetClassLongA(form, GCL_HBRBACKGROUND, classBrush);
  SetClassLongA(createWindow("Dialog"), GCL_HBRBACKGROUND, classBrush);
  const BrushCounts counts = brushCounts();
  EXPECT_EQ(counts.live, 3u);
  EXPECT_EQ(counts.menuBackgrounds, 1u);   // four menus, one brush
  EXPECT_EQ(counts.classBackgrounds, 1u);  // two classes, one brush
  DeleteObject(all);  // a dead brush still set on menus is not counted
  EXPECT_EQ(brushCounts().menuBackgrounds, 0u);
}

}  // namespace
}  // namespace palvex::win32
