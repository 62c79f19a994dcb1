#pragma once
// The window routines that colour what has no colour property of its own:
// a toolbar's window class, a status bar and a form's menus.

#include "palvex/export.h"

#include <cstdint>

#include "palvex/object.h"

namespace palvex::ApiCalls {

// Installs a new solid brush of `color` as the class background of the
// toolbar's window ("Style" 1) or of its first "msvb_lib_toolbar" child, and
// deletes the brush it replaces. Failures to read "Style" or "hwnd" reach the
// caller; a brush that ends up on no window class is deleted, not leaked.
PALVEX_EXPORT void setToolbarBackColor(Object& toolbar, std::int32_t color);

// Sends SB_SETBKCOLOR (0, color) to the status bar's "hwnd". Failures to read
// "hwnd" reach the caller.
PALVEX_EXPORT void setStatusBarBackColor(Object& statusBar, std::int32_t color);

// Gives the menu bar of the form's "hWnd" and all its submenus a new solid
// brush of `color`. The brushes it replaces are deleted, and so is a brush no
// menu took. Never throws.
PALVEX_EXPORT void setMenuBackColor(Object& form, std::int32_t color);

}  // namespace palvex::ApiCalls
