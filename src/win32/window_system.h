#pragma once
// The state behind the window calls of palvex/win32.h, in one object: every
// window, window class, menu and brush of the process, and who listens.

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "palvex/text.h"
#include "palvex/win32.h"

namespace palvex::win32 {

class WindowSystem {
 public:
  HBRUSH createBrush(COLORREF colour);
  bool deleteBrush(HBRUSH brush);
  std::optional<COLORREF> brushColour(HBRUSH brush) const;

  HWND createWindow(std::string_view className, HWND parent, std::string_view title);
  bool isWindow(HWND window) const { return windows_.contains(window); }
  HWND findChild(HWND parent, HWND childAfter, const char* className, const char* title) const;
  std::optional<std::string> className(HWND window) const;
  std::int32_t setClassBackground(HWND window, HBRUSH brush);
  HBRUSH classBackground(HWND window) const;
  HBRUSH classBackground(std::string_view className) const;
  LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  COLORREF statusBarColour(HWND window) const;

  HMENU createMenu();
  bool appendSubMenu(HMENU menu, HMENU submenu);
  bool attachMenu(HWND window, HMENU menu);
  bool removeSubMenu(HMENU menu, HMENU submenu);
  HMENU menuOf(HWND window) const;
  bool destroyWindow(HWND window);
  bool destroyMenu(HMENU menu);
  bool isMenu(HMENU menu) const { return menus_.contains(menu); }
  std::vector<HWND> windowsOfClass(std::string_view className) const;
  HandleCounts handleCounts() const { return {windows_.size(), menus_.size()}; }
  bool setMenuInfo(HMENU menu, const MENUINFO& info);
  bool getMenuInfo(HMENU menu, MENUINFO& info) const;
  int menuItemCount(HMENU menu) const;
  HMENU subMenu(HMENU menu, int position) const;

  BrushCounts brushCounts() const;
  bool brushInUse(HBRUSH brush) const;
  void addListener(Listener* listener);
  void removeListener(Listener* listener);

 private:
  struct WindowClass {
    std::string name;  // as first registered
    HBRUSH background = 0;
  };
  struct Window {
    WindowClass* windowClass = nullptr;
    HWND parent = 0;
    std::string title;
    HMENU menu = 0;
    COLORREF statusBarColour = CLR_DEFAULT;
  };
  struct Menu {
    MENUINFO info;
    std::vector<HMENU> submenus;
  };

  std::int32_t nextHandle();
  bool handleInUse(std::int32_t handle) const;
  WindowClass& classNamed(std::string_view name);
  std::vector<HMENU> menuTree(HMENU menu) const;  // `menu` and every menu below it, each once
  bool isDescendantMenu(HMENU menu, HMENU candidate) const;
  void setMenuBackground(HMENU menu, HBRUSH brush, bool applyToSubmenus);
  bool menuInUse(HMENU menu) const;
  void collectDestroyedMenus(HMENU menu, std::vector<HMENU>& doomed) const;
  void releaseOrphanBrushes(const std::vector<HBRUSH>& candidates);
  template <class Notify>
  void notify(Notify&& call) {
    // Listeners may come and go while they are told. Indices stay valid
    // because removal during a notification leaves a hole, swept afterwards;
    // a listener added meanwhile is told from the next notification on.
    ++notifying_;
    const std::size_t count = listeners_.size();
    for (std::size_t i = 0; i < count; ++i)
      if (Listener* listener = listeners_[i]) call(*listener);
    if (--notifying_ == 0) std::erase(listeners_, nullptr);
  }

  std::int32_t lastHandle_ = 0;
  std::unordered_map<HBRUSH, COLORREF> brushes_;
  std::unordered_map<std::string, WindowClass, text::CaseInsensitiveHash, text::CaseInsensitiveEqual>
      classes_;
  std::map<HWND, Window> windows_;  // ordered by handle: creation order until handles wrap
  std::unordered_map<HMENU, Menu> menus_;
  std::vector<Listener*> listeners_;
  int notifying_ = 0;
};

// The process's window system; reset() replaces it with an empty one.
WindowSystem& windowSystem();

}  // namespace palvex::win32
