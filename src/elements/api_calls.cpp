// Toolbar, status-bar and menu colouring through the window calls.

#include "palvex/api_calls.h"

#include <set>
#include <unordered_set>
#include <vector>

#include "palvex/win32.h"

namespace palvex::ApiCalls {

using namespace palvex::win32;

namespace {

// A brush that is deleted unless something took it over.
class NewBrush {
 public:
  explicit NewBrush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
  ~NewBrush() {
    if (brush_ != 0) DeleteObject(brush_);
  }
  NewBrush(const NewBrush&) = delete;
  NewBrush& operator=(const NewBrush&) = delete;
  HBRUSH get() const { return brush_; }
  void handedOver() { brush_ = 0; }

 private:
  HBRUSH brush_;
};

constexpr const char* kToolbarChildClass = "msvb_lib_toolbar";

HWND windowHandle(Object& control, std::string_view property) { return control.get(property).toInt32(); }

// The background brushes of `menu` and of every submenu below it. A menu
// may list one submenu under several items, and a chain may run deeper than
// the stack: the walk is iterative and visits each menu once.
std::set<HBRUSH> menuBrushes(HMENU menu) {
  std::set<HBRUSH> brushes;
  std::vector<HMENU> pending{menu};
  std::unordered_set<HMENU> seen{menu};
  while (!pending.empty()) {
    const HMENU current = pending.back();
    pending.pop_back();
    MENUINFO info;
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    if (!GetMenuInfo(current, &info)) continue;
    if (info.hbrBack != 0) brushes.insert(info.hbrBack);
    for (int i = 0, n = GetMenuItemCount(current); i < n; ++i)
      if (HMENU sub = GetSubMenu(current, i); sub != 0 && seen.insert(sub).second) pending.push_back(sub);
  }
  return brushes;
}

}  // namespace

void setToolbarBackColor(Object& toolbar, std::int32_t color) {
  NewBrush brush(color);
  const bool paintsOwnWindow = toolbar.get("Style").toDouble() == 1.0;
  const HWND toolbarWindow = windowHandle(toolbar, "hwnd");
  const HWND target =
      paintsOwnWindow ? toolbarWindow : FindWindowExA(toolbarWindow, 0, kToolbarChildClass, nullptr);
  const HBRUSH previous = SetClassLongA(target, GCL_HBRBACKGROUND, brush.get());
  if (IsWindow(target)) brush.handedOver();
  DeleteObject(previous);
}

void setStatusBarBackColor(Object& statusBar, std::int32_t color) {
  SendMessageA(windowHandle(statusBar, "hwnd"), SB_SETBKCOLOR, 0, color);
}

void setMenuBackColor(Object& form, std::int32_t color) {
  try {
    NewBrush brush(color);
    MENUINFO info;
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = brush.get();
    const HMENU menu = GetMenu(windowHandle(form, "hWnd"));
    const std::set<HBRUSH> replaced = menuBrushes(menu);
    if (!SetMenuInfo(menu, &info)) return;
    brush.handedOver();
    // A replaced brush nothing paints with any more would leak; one that a
    // menu elsewhere still shows (a submenu shared with another form's bar
    // keeps that bar's brush on the bar) must live on.
    for (HBRUSH old : replaced)
      if (!brushInUse(old)) DeleteObject(old);
  } catch (...) {
    // A form without a readable window handle keeps its menus as they are,
    // whatever the host throws.
  }
}

}  // namespace palvex::ApiCalls
