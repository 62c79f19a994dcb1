#include "qt/binding/window_calls.h"

#include <algorithm>
#include <set>
#include <vector>

#include <QAction>
#include <QMenu>

#include "qt/binding/registry.h"

namespace palvex::qt::detail {

using namespace palvex::win32;

namespace {

std::string_view windowClassOf(Paint paint) {
  switch (paint) {
    case Paint::Form: return kFormClass;
    case Paint::Toolbar: return kToolbarClass;
    case Paint::StatusBar: return kStatusBarClass;
    default: return {};
  }
}

std::optional<std::int32_t> colourOfBrush(HBRUSH brush) {
  if (brush == 0) return std::nullopt;
  return brushColour(brush);
}

std::vector<HMENU> submenusOf(HMENU menu) {
  std::vector<HMENU> subs;
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) subs.push_back(GetSubMenu(menu, i));
  return subs;
}

HBRUSH backgroundOf(HMENU menu) {
  MENUINFO info;
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  return GetMenuInfo(menu, &info) ? info.hbrBack : 0;
}

// Classes keep their background brush after their last window is gone; the
// binding's windows die with their widgets, so the brush goes with the last one.
void releaseClassBackgroundOfLast(HWND window) {
  const std::optional<std::string> className = windowClassName(window);
  if (!className || windowsOfClass(*className).size() != 1) return;
  if (HBRUSH previous = SetClassLongA(window, GCL_HBRBACKGROUND, 0)) DeleteObject(previous);
}

}  // namespace

WindowCalls::WindowCalls(Registry& registry) : registry_(registry) { addListener(this); }

WindowCalls::~WindowCalls() { removeListener(this); }

HWND WindowCalls::windowOf(WidgetObject& object) {
  QWidget* widget = object.widget();
  if (!widget) return 0;
  const Paint paint = object.identity().paint;
  const std::string_view className = windowClassOf(paint);
  if (className.empty()) return 0;
  WidgetObject::Handles& handles = object.handles();
  if (handles.window == 0 || !IsWindow(handles.window)) {
    handles.window = createWindow(className);
    windows_[handles.window] = widget;
  }
  if (paint == Paint::Form) syncMenuBar(widget, handles.window);
  return handles.window;
}

void WindowCalls::syncMenuBar(QWidget* form, HWND window) {
  QWidget* bar = menuBarOf(form);
  const HMENU shown = GetMenu(window);
  if (!bar) {
    if (shown) attachMenu(window, 0);
    return;
  }
  const HMENU menu = menuOf(bar);
  if (shown != menu) attachMenu(window, menu);
  syncSubmenus(bar);
}

HMENU WindowCalls::menuOf(QWidget* menuWidget) {
  WidgetObject& object = *registry_.object(menuWidget);
  WidgetObject::Handles& handles = object.handles();
  if (handles.menu != 0 && IsMenu(handles.menu)) return handles.menu;
  handles.menu = createMenu();
  menus_[handles.menu] = menuWidget;
  // Actions added later bring their submenus into the tree.
  menuWidget->installEventFilter(&registry_);
  return handles.menu;
}

void WindowCalls::syncSubmenus(QWidget* menuWidget) {
  std::set<QWidget*> seen;
  std::vector<QWidget*> pending{menuWidget};
  while (!pending.empty()) {
    QWidget* current = pending.back();
    pending.pop_back();
    if (!seen.insert(current).second) continue;
    WidgetObject* object = registry_.find(current);
    if (!object || object->handles().menu == 0 || !IsMenu(object->handles().menu)) continue;
    const HMENU menu = object->handles().menu;

    std::vector<HMENU> wanted;
    std::vector<QWidget*> wantedWidgets;
    for (QAction* action : current->actions()) {
      if (auto* sub = action->menu<QMenu*>()) {
        wanted.push_back(menuOf(sub));
        wantedWidgets.push_back(sub);
      }
    }
    const std::vector<HMENU> shown = submenusOf(menu);
    if (shown != wanted) {
      for (HMENU sub : shown) removeSubMenu(menu, sub);
      const HBRUSH background = backgroundOf(menu);
      for (HMENU sub : wanted) {
        appendSubMenu(menu, sub);
        // A submenu added to a coloured menu takes its colour, as one
        // added before the colour was set would have.
        if (background && backgroundOf(sub) != background &&
            std::find(shown.begin(), shown.end(), sub) == shown.end()) {
          MENUINFO info;
          info.cbSize = sizeof info;
          info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
          info.hbrBack = background;
          SetMenuInfo(sub, &info);
        }
      }
    }
    pending.insert(pending.end(), wantedWidgets.begin(), wantedWidgets.end());
  }
}

void WindowCalls::widgetGone(WidgetObject& object) {
  WidgetObject::Handles& handles = object.handles();
  if (handles.window != 0 && IsWindow(handles.window)) {
    releaseClassBackgroundOfLast(handles.window);
    DestroyWindow(handles.window);
  }
  if (handles.menu != 0 && IsMenu(handles.menu)) DestroyMenu(handles.menu);
  handles = {};
}

WidgetObject* WindowCalls::objectOfWindow(HWND window) const {
  auto it = windows_.find(window);
  return it == windows_.end() || !it->second ? nullptr : registry_.find(it->second.data());
}

WidgetObject* WindowCalls::objectOfMenu(HMENU menu) const {
  auto it = menus_.find(menu);
  return it == menus_.end() || !it->second ? nullptr : registry_.find(it->second.data());
}

void WindowCalls::classBackgroundChanged(std::string_view, HBRUSH brush, std::span<const HWND> windows) {
  const std::optional<std::int32_t> colour = colourOfBrush(brush);
  for (HWND window : windows)
    if (WidgetObject* object = objectOfWindow(window)) object->setSlot(Slot::BarColor, colour);
}

void WindowCalls::statusBarColourChanged(HWND window, COLORREF colour) {
  WidgetObject* object = objectOfWindow(window);
  if (!object) return;
  // The default colour gives the bar back the look of its style.
  object->setSlot(Slot::BarColor, colour == CLR_DEFAULT ? std::nullopt : std::optional<std::int32_t>(colour));
}

void WindowCalls::menuBackgroundChanged(HMENU menu, HBRUSH brush) {
  if (WidgetObject* object = objectOfMenu(menu)) object->setSlot(Slot::BarColor, colourOfBrush(brush));
}

void WindowCalls::windowDestroyed(HWND window) {
  if (WidgetObject* object = objectOfWindow(window)) object->handles().window = 0;
  windows_.erase(window);
}

void WindowCalls::menuDestroyed(HMENU menu) {
  if (WidgetObject* object = objectOfMenu(menu)) object->handles().menu = 0;
  menus_.erase(menu);
}

}  // namespace palvex::qt::detail
