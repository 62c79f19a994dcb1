#include <vector>

#include <gtest/gtest.h>

#include "palvex/win32.h"

namespace palvex::win32 {
namespace {

class MenuCallsTest : public ::testing::Test {
 protected:
  MenuCallsTest() { reset(); }
  ~MenuCallsTest() override { reset(); }

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

  static HBRUSH backgroundOf(HMENU menu) {
    MENUINFO info;
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    EXPECT_TRUE(GetMenuInfo(menu, &info));
    return info.hbrBack;
  }

  static MENUINFO background(HBRUSH brush, std::uint32_t mask) {
    MENUINFO info;
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.hbrBack = brush;
    return info;
  }

  HWND form = 0;
  HMENU bar = 0, file = 0, edit = 0, nested = 0;
};

struct MenuListener : Listener {
  std::vector<std::pair<HMENU, HBRUSH>> changes;
  void menuBackgroundChanged(HMENU menu, HBRUSH brush) override { changes.emplace_back(menu, brush); }
};

TEST_F(MenuCallsTest, MenuStructureIsReachableFromTheWindow) {
  buildForm();
  EXPECT_EQ(GetMenu(form), bar);
  EXPECT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(GetSubMenu(bar, 1), edit);
  EXPECT_EQ(GetSubMenu(bar, 2), 0);
  EXPECT_EQ(GetSubMenu(edit, 0), nested);
  EXPECT_EQ(GetMenuItemCount(bar + 1000), -1);
  EXPECT_EQ(GetMenu(createWindow("ThunderFormDC")), 0);
  EXPECT_EQ(GetMenu(0), 0);
}

TEST_F(MenuCallsTest, SubmenusMayNotFormACycle) {
  buildForm();
  EXPECT_FALSE(appendSubMenu(nested, bar));
  EXPECT_FALSE(appendSubMenu(edit, edit));
  EXPECT_FALSE(appendSubMenu(bar, bar + 1000));
  EXPECT_FALSE(attachMenu(form, bar + 1000));
  EXPECT_EQ(GetMenu(form), bar);
}

TEST_F(MenuCallsTest, BackgroundReachesEverySubmenuOnlyWhenAsked) {
  buildForm();
  MenuListener listener;
  addListener(&listener);
  HBRUSH barOnly = CreateSolidBrush(1);
  HBRUSH all = CreateSolidBrush(2);

  auto info = background(barOnly, MIM_BACKGROUND);
  ASSERT_TRUE(SetMenuInfo(bar, &info));
  EXPECT_EQ(backgroundOf(bar), barOnly);
  EXPECT_EQ(backgroundOf(nested), 0);

  info = background(all, MIM_BACKGROUND | MIM_APPLYTOSUBMENUS);
  ASSERT_TRUE(SetMenuInfo(bar, &info));
  for (HMENU menu : {bar, file, edit, nested}) EXPECT_EQ(backgroundOf(menu), all) << menu;
  EXPECT_EQ(listener.changes.size(), 5u);
  EXPECT_EQ(listener.changes.back(), std::make_pair(nested, all));
  removeListener(&listener);
}

TEST_F(MenuCallsTest, SetMenuInfoRefusesBadRecordsAndUnknownMenus) {
  buildForm();
  HBRUSH brush = CreateSolidBrush(9);
  auto info = background(brush, MIM_BACKGROUND);
  info.cbSize = 24;
  EXPECT_FALSE(SetMenuInfo(bar, &info));
  info.cbSize = 28;
  EXPECT_FALSE(SetMenuInfo(0, &info));
  EXPECT_FALSE(SetMenuInfo(bar, nullptr));
  info.fMask = 0;  // nothing asked: accepted, nothing changes
  EXPECT_TRUE(SetMenuInfo(bar, &info));
  EXPECT_EQ(backgroundOf(bar), 0);
}

TEST_F(MenuCallsTest, BrushCountsTellClassAndMenuBrushesApart) {
  buildForm();
  HBRUSH menuBrush = CreateSolidBrush(1);
  HBRUSH classBrush = CreateSolidBrush(2);
  CreateSolidBrush(3);  // held by nothing
  auto info = background(menuBrush, MIM_BACKGROUND | MIM_APPLYTOSUBMENUS);
  SetMenuInfo(bar, &info);
  SetClassLongA(form, GCL_HBRBACKGROUND, classBrush);
  SetClassLongA(createWindow("ThunderFormDC"), GCL_HBRBACKGROUND, classBrush);

  BrushCounts counts = brushCounts();
  EXPECT_EQ(counts.live, 3u);
  EXPECT_EQ(counts.menuBackgrounds, 1u);  // four menus, one brush
  EXPECT_EQ(counts.classBackgrounds, 1u);

  DeleteObject(menuBrush);  // a dead brush still set on menus is not counted
  EXPECT_EQ(brushCounts().menuBackgrounds, 0u);
}

}  // namespace
}  // namespace palvex::win32
