// The Win32-named calls and the host functions, over the process's one
// WindowSystem.

#include <memory>

#include "palvex/win32.h"
#include "win32/window_system.h"

namespace palvex::win32 {

namespace {
std::unique_ptr<WindowSystem>& current() {
  static std::unique_ptr<WindowSystem> system = std::make_unique<WindowSystem>();
  return system;
}
}  // namespace

WindowSystem& windowSystem() { return *current(); }

void reset() { current() = std::make_unique<WindowSystem>(); }

HBRUSH CreateSolidBrush(COLORREF colour) { return windowSystem().createBrush(colour); }
bool DeleteObject(HBRUSH brush) { return windowSystem().deleteBrush(brush); }

HWND FindWindowExA(HWND parent, HWND childAfter, const char* className, const char* windowName) {
  return windowSystem().findChild(parent, childAfter, className, windowName);
}

std::int32_t SetClassLongA(HWND window, int index, std::int32_t newValue) {
  if (index != GCL_HBRBACKGROUND) return 0;
  return windowSystem().setClassBackground(window, newValue);
}

std::int32_t GetClassLongA(HWND window, int index) {
  if (index != GCL_HBRBACKGROUND) return 0;
  return windowSystem().classBackground(window);
}

bool IsWindow(HWND window) { return windowSystem().isWindow(window); }

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return windowSystem().sendMessage(window, message, wParam, lParam);
}

HMENU GetMenu(HWND window) { return windowSystem().menuOf(window); }

bool SetMenuInfo(HMENU menu, const MENUINFO* info) { return info && windowSystem().setMenuInfo(menu, *info); }
bool GetMenuInfo(HMENU menu, MENUINFO* info) { return info && windowSystem().getMenuInfo(menu, *info); }
int GetMenuItemCount(HMENU menu) { return windowSystem().menuItemCount(menu); }
HMENU GetSubMenu(HMENU menu, int position) { return windowSystem().subMenu(menu, position); }

HWND createWindow(std::string_view className, HWND parent, std::string_view title) {
  return windowSystem().createWindow(className, parent, title);
}
HMENU createMenu() { return windowSystem().createMenu(); }
bool appendSubMenu(HMENU menu, HMENU submenu) { return windowSystem().appendSubMenu(menu, submenu); }
bool attachMenu(HWND window, HMENU menu) { return windowSystem().attachMenu(window, menu); }
bool removeSubMenu(HMENU menu, HMENU submenu) { return windowSystem().removeSubMenu(menu, submenu); }
bool DestroyWindow(HWND window) { return windowSystem().destroyWindow(window); }
bool DestroyMenu(HMENU menu) { return windowSystem().destroyMenu(menu); }
bool IsMenu(HMENU menu) { return windowSystem().isMenu(menu); }
std::vector<HWND> windowsOfClass(std::string_view className) { return windowSystem().windowsOfClass(className); }
HandleCounts handleCounts() { return windowSystem().handleCounts(); }

std::optional<std::string> windowClassName(HWND window) { return windowSystem().className(window); }
std::optional<COLORREF> brushColour(HBRUSH brush) { return windowSystem().brushColour(brush); }
HBRUSH classBackground(std::string_view className) { return windowSystem().classBackground(className); }
COLORREF statusBarColour(HWND window) { return windowSystem().statusBarColour(window); }
BrushCounts brushCounts() { return windowSystem().brushCounts(); }
bool brushInUse(HBRUSH brush) { return windowSystem().brushInUse(brush); }

void addListener(Listener* listener) { windowSystem().addListener(listener); }
void removeListener(Listener* listener) { windowSystem().removeListener(listener); }

}  // namespace palvex::win32
