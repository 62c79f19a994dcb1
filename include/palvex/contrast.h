#pragma once
// Contrast of a theme: which colours the elements paint on top of which, and
// whether text stays readable there.
//
// A theme only says what each element paints; which colour ends up on which
// is knowledge about the controls. The pairs below are the ones a control or
// the dispatch paints together: text on its own background (button, grid,
// text box, in each state), and captions painted straight on the form
// (labels, option buttons and check boxes take the form's back colour). A
// pair passes at 4.5:1, the WCAG 2.x level for normal-size text, computed
// from relative luminance.
//
// Not listed, because the theme holds only one side of them: the tab
// captions (the tab strip has no text colour), the toolbar, the status bar
// and the menus (painted with whatever text colour the toolkit chooses;
// readableTextOn() gives a binding the better of black and white), and the
// borders, grid lines and the shape outline (no text).

#include "palvex/export.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace palvex {

// The WCAG 2.x minimum for normal-size text.
inline constexpr double kMinimumContrast = 4.5;

// One colour property of one element: ("CText", "foreColor").
struct ThemeColourRef {
  std::string_view className;
  std::string_view property;  // the element's own property name
  friend bool operator==(const ThemeColourRef&, const ThemeColourRef&) = default;
};

struct ContrastPair {
  std::string_view id;       // short and stable, for JSON and scripts: "button-focused"
  std::string_view what;     // for people: "focused button text"
  std::string_view que;      // the same in the designer's language: "texto del botón con el foco"
  ThemeColourRef foreground;
  ThemeColourRef background;
};

// Every pair, element by element in shared-slot order.
PALVEX_EXPORT std::span<const ContrastPair> contrastPairs();
// The pairs in which the element named `className` (case-blind) paints one
// side; empty for an element that takes part in none.
PALVEX_EXPORT std::vector<const ContrastPair*> contrastPairsOf(std::string_view className);

// Relative luminance (0 black .. 1 white) of a plain colour 0x00BBGGRR.
PALVEX_EXPORT double relativeLuminance(std::int32_t rgb);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on
// white. System colours are resolved first; nullopt when either value names
// nothing paintable.
PALVEX_EXPORT std::optional<double> contrastRatio(std::int32_t first, std::int32_t second);
// Black (0x000000) or white (0xFFFFFF), whichever contrasts more with `background`.
PALVEX_EXPORT std::int32_t readableTextOn(std::int32_t background);

struct ContrastCheck {
  const ContrastPair* pair = nullptr;
  std::int32_t foreground = 0;  // the values as stored (system colours unresolved)
  std::int32_t background = 0;
  std::optional<double> ratio;  // nullopt: a value names no colour
  bool passes() const { return ratio && *ratio >= kMinimumContrast; }
};

// The value of one colour property of the theme being checked.
using ThemeColourLookup = std::function<std::int32_t(const ThemeColourRef&)>;
// Checks every pair (or only those of `className` when it is not empty) with
// the values `valueOf` gives.
PALVEX_EXPORT std::vector<ContrastCheck> checkContrast(const ThemeColourLookup& valueOf, std::string_view className = {});
// The same for the theme as loaded now: the shared elements' values,
// including edits the designer has not saved. Creating an element can fail
// (a stored value out of range); that error reaches the caller.
PALVEX_EXPORT std::vector<ContrastCheck> checkLoadedTheme(std::string_view className = {});

// "4.52:1", cut (not rounded) to two decimals so that a failing ratio never
// shows as 4.50:1. `decimalComma` writes "4,52:1".
PALVEX_EXPORT std::string formatRatio(double ratio, bool decimalComma = false);
// The designer's warning, in its language: one line per failing pair
// ("texto del botón sobre su fondo: 3,21:1") under the heading
// "Contraste por debajo de 4,5:1 en:"; empty when every pair passes.
PALVEX_EXPORT std::string avisoContraste(std::span<const ContrastCheck> checks);

}  // namespace palvex
