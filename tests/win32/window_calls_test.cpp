#include <vector>

#include <gtest/gtest.h>

#include "palvex/win32.h"

namespace palvex::win32 {
namespace {

class WindowCallsTest : public ::testing::Test {
 protected:
  WindowCallsTest() { reset(); }
  ~WindowCallsTest() override { reset(); }
};

struct RecordingListener : Listener {
  std::vector<std::pair<std::string, HBRUSH>> classChanges;
  std::vector<std::pair<HWND, COLORREF>> statusBarChanges;
  std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>> messages;
  void classBackgroundChanged(std::string_view className, HBRUSH brush) override {
    classChanges.emplace_back(std::string(className), brush);
  }
  void statusBarColourChanged(HWND window, COLORREF colour) override { statusBarChanges.emplace_back(window, colour); }
  void messageSent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    messages.emplace_back(window, message, wParam, lParam);
  }
};

TEST_F(WindowCallsTest, BrushesLiveUntilDeletedOnce) {
  HBRUSH red = CreateSolidBrush(0x0000FF);
  HBRUSH system = CreateSolidBrush(static_cast<COLORREF>(0x8000000Fu));
  EXPECT_NE(red, system);
  EXPECT_EQ(brushColour(red), 0x0000FF);
  EXPECT_EQ(brushColour(system), -2147483633);
  EXPECT_EQ(brushCounts().live, 2u);

  EXPECT_TRUE(DeleteObject(red));
  EXPECT_FALSE(DeleteObject(red));
  EXPECT_FALSE(DeleteObject(0));
  EXPECT_FALSE(DeleteObject(createWindow("Form")));
  EXPECT_FALSE(DeleteObject(createMenu()));
  EXPECT_EQ(brushColour(red), std::nullopt);
  EXPECT_EQ(brushCounts().live, 1u);
}

TEST_F(WindowCallsTest, FindWindowFindsDirectChildrenByClassIgnoringCase) {
  HWND toolbar = createWindow("ToolbarWindow32");
  HWND other = createWindow("Static", toolbar);
  HWND first = createWindow("msvb_lib_toolbar", toolbar, "uno");
  HWND second = createWindow("MSVB_LIB_TOOLBAR", toolbar, "dos");
  HWND grandchild = createWindow("msvb_lib_toolbar", other);
  (void)grandchild;

  EXPECT_EQ(FindWindowExA(toolbar, 0, "msvb_lib_toolbar", nullptr), first);
  EXPECT_EQ(FindWindowExA(toolbar, first, "msvb_lib_toolbar", nullptr), second);
  EXPECT_EQ(FindWindowExA(toolbar, second, "msvb_lib_toolbar", nullptr), 0);
  EXPECT_EQ(FindWindowExA(toolbar, 0, "msvb_lib_toolbar", "dos"), second);
  EXPECT_EQ(FindWindowExA(toolbar, 0, nullptr, nullptr), other);
  EXPECT_EQ(FindWindowExA(0, 0, "ToolbarWindow32", nullptr), toolbar);
  EXPECT_EQ(FindWindowExA(toolbar + 1000, 0, nullptr, nullptr), 0);
  EXPECT_EQ(createWindow("Child", toolbar + 1000), 0);
}

TEST_F(WindowCallsTest, ClassBackgroundIsSharedByEveryWindowOfTheClass) {
  RecordingListener listener;
  addListener(&listener);
  HWND a = createWindow("msvb_lib_toolbar");
  HWND b = createWindow("MSVB_Lib_Toolbar");
  HBRUSH first = CreateSolidBrush(1);
  HBRUSH second = CreateSolidBrush(2);

  EXPECT_EQ(SetClassLongA(a, GCL_HBRBACKGROUND, first), 0);
  EXPECT_EQ(GetClassLongA(b, GCL_HBRBACKGROUND), first);
  EXPECT_EQ(SetClassLongA(b, GCL_HBRBACKGROUND, second), first);
  EXPECT_EQ(classBackground("MSVB_LIB_TOOLBAR"), second);
  EXPECT_EQ(windowClassName(b), "msvb_lib_toolbar");  // as first registered
  // The old brush is not freed by the class.
  EXPECT_EQ(brushColour(first), 1);

  using Change = std::pair<std::string, HBRUSH>;
  EXPECT_EQ(listener.classChanges,
            (std::vector<Change>{{"msvb_lib_toolbar", first}, {"msvb_lib_toolbar", second}}));
  removeListener(&listener);
}

TEST_F(WindowCallsTest, SetClassLongChangesNothingForUnknownWindowOrIndex) {
  RecordingListener listener;
  addListener(&listener);
  HWND window = createWindow("Form");
  HBRUSH brush = CreateSolidBrush(7);
  EXPECT_EQ(SetClassLongA(0, GCL_HBRBACKGROUND, brush), 0);
  EXPECT_EQ(SetClassLongA(window, -12, brush), 0);
  EXPECT_EQ(GetClassLongA(window, GCL_HBRBACKGROUND), 0);
  EXPECT_TRUE(listener.classChanges.empty());
  removeListener(&listener);
}

TEST_F(WindowCallsTest, StatusBarColourMessageReturnsThePreviousColour) {
  RecordingListener listener;
  addListener(&listener);
  HWND bar = createWindow("msctls_statusbar32");
  const COLORREF btnFace = static_cast<COLORREF>(0x8000000Fu);

  EXPECT_EQ(SendMessageA(bar, SB_SETBKCOLOR, 0, 0xFEE2CF), CLR_DEFAULT);
  EXPECT_EQ(SendMessageA(bar, SB_SETBKCOLOR, 0, btnFace), 0xFEE2CF);
  EXPECT_EQ(statusBarColour(bar), btnFace);
  EXPECT_EQ(SendMessageA(bar, 0x0010, 1, 2), 0);  // not ours: ignored
  EXPECT_EQ(statusBarColour(bar), btnFace);
  EXPECT_EQ(SendMessageA(0, SB_SETBKCOLOR, 0, 5), 0);

  EXPECT_EQ(listener.statusBarChanges, (std::vector<std::pair<HWND, COLORREF>>{{bar, 0xFEE2CF}, {bar, btnFace}}));
  EXPECT_EQ(listener.messages.size(), 3u);  // the message to window 0 went nowhere
  removeListener(&listener);
}

TEST_F(WindowCallsTest, RemovedListenersHearNothingAndResetForgetsEverything) {
  RecordingListener listener;
  addListener(&listener);
  removeListener(&listener);
  HWND window = createWindow("Form");
  SetClassLongA(window, GCL_HBRBACKGROUND, CreateSolidBrush(3));
  EXPECT_TRUE(listener.classChanges.empty());

  reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(classBackground("Form"), 0);
  EXPECT_EQ(brushCounts().live, 0u);
}

}  // namespace
}  // namespace palvex::win32
