#pragma once
// Where each value of a theme comes from, for any theme (the current one or
// not): every property of every element with the value a freshly created
// element would load, and its source: its default, the store, or the INI
// override file, whose non-empty values win. The designer marks the values
// the file locks (an edit of one is saved to the store, but the file wins
// again at the next load); the palvex tool shows and exports themes with it.

#include "palvex/export.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "palvex/element.h"
#include "palvex/error.h"
#include "palvex/settings.h"

namespace palvex {

struct PropertyProvenance {
  const PropertyRow* row = nullptr;
  std::int32_t value = 0;
  SettingSource source = SettingSource::Default;
};

struct ElementProvenance {
  const ElementTable* table = nullptr;
  std::vector<PropertyProvenance> properties;  // property order; empty when `error`
  std::optional<Error> error;                  // why such an element cannot be created
};

// The ten elements of `themeName` in slot order, read in one consistent
// view: one read transaction of the store and one look at the override
// file, so that a theme saved meanwhile shows all old or all new. An element
// that cannot load (a value too wide for its property) carries its error and
// the others are still read; a failure of the store itself is thrown.
// Neither the current theme nor the shared elements change.
PALVEX_EXPORT std::vector<ElementProvenance> themeProvenance(std::string_view themeName);

// The override file's own entry for one value of `themeName`.
struct OverrideValue {
  std::string text;                   // as the file holds it (never empty)
  std::optional<std::int32_t> value;  // as the engine reads it; nullopt when the
                                      // text holds no number that fits 32 bits
};
// nullopt when the file sets nothing there (no file, no key, an empty value).
PALVEX_EXPORT std::optional<OverrideValue> overrideFileValue(std::string_view themeName, std::string_view sectionWord,
                                                             std::string_view key);

}  // namespace palvex
