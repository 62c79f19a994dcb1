#pragma once
// The theme file: an INI text in the layout of the override file, one section
// "Palvex\THEME\WORD" per section word, keys as the elements write them and
// values as decimal text. `palvex export` writes it, `palvex import` reads it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "palvex/element.h"

namespace palvex::cli {

// One property value to set, found on `line` of the file.
struct ThemeFileValue {
  std::string className;     // the element class owning the key ("CTabStrip")
  std::string propertyName;  // the property's own name ("TabBackColor")
  std::int32_t value = 0;
  int line = 0;
};

struct ThemeFile {
  std::string theme;  // as written in the first section header
  std::vector<ThemeFileValue> values;  // in file order
};

// Checks the whole UTF-8 `text` against the element tables in `schema` and
// returns what it holds. Keys match without regard to case, in their read or
// written spelling. Sections of more than one theme are refused unless
// `renaming` (the caller saves everything under one new name). Any problem
// throws UserError "<label>:<line>: <problem>", naming how many more were found.
ThemeFile parseThemeFile(std::string_view text, std::span<const ElementTable* const> schema, bool renaming,
                         std::string_view label);

// One element's values as loaded by the engine, in property order.
struct ElementValues {
  const ElementTable* table = nullptr;
  std::vector<std::int32_t> values;
};

// Refuses (UserError) a theme name that a theme file cannot carry in its
// section headers: an empty one, one holding ']' (a header ends at its first ']'), a line
// break, or bytes that are not UTF-8 (the file would be read back as
// Windows-1252 and name another theme).
void checkThemeNameFitsFile(std::string_view theme);

// The theme file for `theme` (checked by checkThemeNameFitsFile): one section per section word, in the order the
// elements come (elements sharing a word share its section), each key in its
// written spelling. Deterministic: the same values give the same bytes.
std::string renderThemeFile(std::string_view theme, std::span<const ElementValues> elements);

}  // namespace palvex::cli
