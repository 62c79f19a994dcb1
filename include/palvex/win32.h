#pragma once
// The window, GDI and menu calls the engine colours toolbars, status bars and
// menus with, kept in process as a small window system of our own: windows,
// window classes, menus, brushes and status-bar colours. The Win32-named calls
// give the Windows results and never raise an error (0 or false where a
// window, menu or brush does not exist). Hosts and toolkit bindings create the
// windows and menus, and learn of colour changes through a Listener.
//
// Handles are 32-bit values, as controls report them in their "hwnd"/"hWnd"
// properties. One handle counter serves every kind, so a window handle is
// never mistaken for a brush. Used on the UI thread only: no locking.

#include "palvex/export.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace palvex::win32 {

using HWND = std::int32_t;
using HBRUSH = std::int32_t;
using HMENU = std::int32_t;
using COLORREF = std::int32_t;  // 0x00BBGGRR, or a system colour with the high bit set
using UINT = std::uint32_t;
using WPARAM = std::int64_t;
using LPARAM = std::int64_t;
using LRESULT = std::int64_t;

inline constexpr int GCL_HBRBACKGROUND = -10;
inline constexpr UINT SB_SETBKCOLOR = 0x2001;
inline constexpr std::uint32_t MIM_BACKGROUND = 0x00000002;
inline constexpr std::uint32_t MIM_APPLYTOSUBMENUS = 0x80000000;
// The status bar's own default background.
inline constexpr COLORREF CLR_DEFAULT = static_cast<COLORREF>(0xFF000000u);

struct MENUINFO {
  std::uint32_t cbSize = 0;
  std::uint32_t fMask = 0;
  std::uint32_t dwStyle = 0;
  std::uint32_t cyMax = 0;
  HBRUSH hbrBack = 0;
  std::uint32_t dwContextHelpID = 0;
  std::uint32_t dwMenuData = 0;
};
static_assert(sizeof(MENUINFO) == 28, "MENUINFO must keep its 32-bit layout");

// --- The Win32 calls -------------------------------------------------------

PALVEX_EXPORT HBRUSH CreateSolidBrush(COLORREF colour);
// False for 0 or a handle that is not a live brush.
PALVEX_EXPORT bool DeleteObject(HBRUSH brush);
// First direct child of `parent` (top-level windows when 0) after `childAfter`
// whose class matches `className` without regard to case and, when given,
// whose title is `windowName`; 0 when there is none.
PALVEX_EXPORT HWND FindWindowExA(HWND parent, HWND childAfter, const char* className, const char* windowName);
// Only GCL_HBRBACKGROUND is kept: replaces the class background of the
// window's class and returns the previous brush; 0 for an unknown window or
// index. The old brush is not freed.
PALVEX_EXPORT std::int32_t SetClassLongA(HWND window, int index, std::int32_t newValue);
PALVEX_EXPORT std::int32_t GetClassLongA(HWND window, int index);
PALVEX_EXPORT bool IsWindow(HWND window);
// SB_SETBKCOLOR stores lParam as the window's status-bar colour and returns the
// previous one (CLR_DEFAULT at first). Other messages return 0.
PALVEX_EXPORT LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
PALVEX_EXPORT HMENU GetMenu(HWND window);
// Needs cbSize 28 and a live menu. MIM_BACKGROUND sets the background brush;
// with MIM_APPLYTOSUBMENUS every submenu below gets it too.
PALVEX_EXPORT bool SetMenuInfo(HMENU menu, const MENUINFO* info);
PALVEX_EXPORT bool GetMenuInfo(HMENU menu, MENUINFO* info);
// Items of our menus are their submenus: the count, and the submenu at `position` (0 if none).
PALVEX_EXPORT int GetMenuItemCount(HMENU menu);
PALVEX_EXPORT HMENU GetSubMenu(HMENU menu, int position);

// --- Building windows and menus (hosts, bindings, tests) ----------------------

// A window of class `className` (registered on first use, names case-blind).
// A nonzero `parent` must be a live window; otherwise 0 is returned.
PALVEX_EXPORT HWND createWindow(std::string_view className, HWND parent = 0, std::string_view title = {});
PALVEX_EXPORT HMENU createMenu();
// Appends `submenu` as the next item of `menu`; false when either is unknown
// or when `submenu` would become its own ancestor.
PALVEX_EXPORT bool appendSubMenu(HMENU menu, HMENU submenu);
// SetMenu: gives `window` its menu bar (0 removes it).
PALVEX_EXPORT bool attachMenu(HWND window, HMENU menu);
// Takes `submenu` out of `menu`'s items without destroying it; false when it
// is not an item of `menu`.
PALVEX_EXPORT bool removeSubMenu(HMENU menu, HMENU submenu);

// --- Ending windows and menus ---------------------------------------------------
//
// A toolkit binding destroys the handle of a widget that dies, so that a
// handle never outlives what it stands for: afterwards IsWindow / IsMenu
// answer false and no search finds it. Handles are never reused while live.

// Destroys `window`, its child windows (deepest first) and the menu bar it
// holds. False for a window that is not live.
PALVEX_EXPORT bool DestroyWindow(HWND window);
// Destroys `menu` and every submenu below it that no other live menu or
// window still uses, takes it out of the menus and windows that hold it, and
// deletes the background brushes no live menu paints with any more (menus own
// the brushes handed to them). False for a menu that is not live.
PALVEX_EXPORT bool DestroyMenu(HMENU menu);
PALVEX_EXPORT bool IsMenu(HMENU menu);

// --- Inspection ----------------------------------------------------------------

PALVEX_EXPORT std::optional<std::string> windowClassName(HWND window);  // as first registered
PALVEX_EXPORT std::optional<COLORREF> brushColour(HBRUSH brush);         // nullopt when not live
PALVEX_EXPORT HBRUSH classBackground(std::string_view className);        // 0 when unknown or none
PALVEX_EXPORT COLORREF statusBarColour(HWND window);                     // CLR_DEFAULT when never set
// True while a live menu or a window class paints with `brush`.
PALVEX_EXPORT bool brushInUse(HBRUSH brush);
// The live windows of the class named `className` (case-blind), in creation order.
PALVEX_EXPORT std::vector<HWND> windowsOfClass(std::string_view className);

struct HandleCounts {
  std::size_t windows = 0;
  std::size_t menus = 0;
};
PALVEX_EXPORT HandleCounts handleCounts();

struct BrushCounts {
  std::size_t live = 0;              // brushes created and not yet deleted
  std::size_t classBackgrounds = 0;  // live brushes some window class paints with
  std::size_t menuBackgrounds = 0;   // live brushes some menu paints with
};
PALVEX_EXPORT BrushCounts brushCounts();

// --- Change notification ---------------------------------------------------------

class PALVEX_EXPORT Listener {
 public:
  virtual ~Listener() = default;
  // `windows` are the live windows of that class: every one of them paints
  // with the new brush.
  virtual void classBackgroundChanged(std::string_view /*className*/, HBRUSH /*brush*/,
                                      std::span<const HWND> /*windows*/) {}
  virtual void statusBarColourChanged(HWND /*window*/, COLORREF /*colour*/) {}
  // Called once per menu whose background changed (the bar and each submenu).
  virtual void menuBackgroundChanged(HMENU /*menu*/, HBRUSH /*brush*/) {}
  // Every SendMessageA to a live window, before it is handled.
  virtual void messageSent(HWND /*window*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {}
  // After the handle is gone.
  virtual void windowDestroyed(HWND /*window*/) {}
  virtual void menuDestroyed(HMENU /*menu*/) {}
};

// Listeners are not owned; remove one before it dies. A listener may add or
// remove listeners (itself or another) while it is being told: a removed
// listener is not called again, not even for the notification in progress.
PALVEX_EXPORT void addListener(Listener* listener);
PALVEX_EXPORT void removeListener(Listener* listener);

// Forgets every window, class, menu, brush and listener (tests, fresh sessions).
PALVEX_EXPORT void reset();

}  // namespace palvex::win32
