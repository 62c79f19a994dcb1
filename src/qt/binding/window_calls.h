#pragma once
// Forms, toolbars, status bars, menu bars and menus in the window-call layer:
// each gets its handle when the engine first asks for it and loses it with
// the widget; the menu tree follows the widgets' actions, also for submenus
// added later. Colour changes made through the window calls come back here
// and land on the widgets.

#include <string_view>
#include <unordered_map>

#include <QPointer>
#include <QWidget>

#include "palvex/win32.h"

namespace palvex::qt::detail {

class Registry;
class WidgetObject;

class WindowCalls final : public win32::Listener {
 public:
  explicit WindowCalls(Registry& registry);
  ~WindowCalls() override;
  WindowCalls(const WindowCalls&) = delete;
  WindowCalls& operator=(const WindowCalls&) = delete;

  // The window handle of a form, toolbar or status bar (0 for other kinds),
  // made on first ask. A form's menu bar and menus are brought up to date.
  win32::HWND windowOf(WidgetObject& object);
  // The menu handle of a menu bar or menu, made on first ask.
  win32::HMENU menuOf(QWidget* menuWidget);
  // The submenus of a menu bar or menu follow its actions.
  void syncSubmenus(QWidget* menuWidget);
  // The widget is gone: its handles go too.
  void widgetGone(WidgetObject& object);

  // win32::Listener
  void classBackgroundChanged(std::string_view className, win32::HBRUSH brush,
                              std::span<const win32::HWND> windows) override;
  void statusBarColourChanged(win32::HWND window, win32::COLORREF colour) override;
  void menuBackgroundChanged(win32::HMENU menu, win32::HBRUSH brush) override;
  void windowDestroyed(win32::HWND window) override;
  void menuDestroyed(win32::HMENU menu) override;

 private:
  void syncMenuBar(QWidget* form, win32::HWND window);
  WidgetObject* objectOfWindow(win32::HWND window) const;
  WidgetObject* objectOfMenu(win32::HMENU menu) const;

  Registry& registry_;
  std::unordered_map<win32::HWND, QPointer<QWidget>> windows_;
  std::unordered_map<win32::HMENU, QPointer<QWidget>> menus_;
};

// The window classes the binding registers its windows under.
inline constexpr std::string_view kFormClass = "PalvexForm";
inline constexpr std::string_view kToolbarClass = "PalvexToolbar";
inline constexpr std::string_view kStatusBarClass = "PalvexStatusBar";

}  // namespace palvex::qt::detail
