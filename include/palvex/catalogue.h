#pragma once
// The theme catalogue: section "Palvex" of application "Orvane" in the
// settings store, one entry per theme, key = the theme's index as decimal
// text, value = its name. Indices are 16-bit and may have gaps; a new theme
// takes the index after the highest. Names are matched without regard to
// case and never trimmed.
//
// Every operation that writes runs in one store transaction: it lands whole
// or not at all. Failures are palvex::Error with a message naming what was
// wrong and where.

#include "palvex/export.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "palvex/error.h"

namespace palvex::catalogue {

struct Entry {
  std::int16_t index = 0;
  std::string name;
  friend bool operator==(const Entry&, const Entry&) = default;
};

// An entry whose key is not a 16-bit number ("abc", "40000"). Listed apart,
// so that one damaged key hides its own theme only.
struct UnreadableEntry {
  std::string key;
  std::string name;
  Error error;  // type mismatch or overflow, naming the store, section and key
};

struct Listing {
  std::vector<Entry> entries;               // store order
  std::vector<UnreadableEntry> unreadable;  // store order
};

// The whole catalogue. Store errors are thrown; damaged keys are not.
PALVEX_EXPORT Listing list();

// The first entry (store order) named `name`, case-blind; nullopt when none
// is. When that entry's key is damaged, its error is thrown: the theme is
// there but has no index.
PALVEX_EXPORT std::optional<Entry> find(std::string_view name);

// Refuses, with error 5 saying why, a name no theme may take: empty, blanks
// (space or tab) at either end, a newline, carriage return, ']', '\' or NUL
// anywhere, or bytes that are not UTF-8. Such a name would not survive a
// section path or an INI file.
PALVEX_EXPORT void validateName(std::string_view name);

// Adds `name` (validated) under the index after the highest readable one
// (0 for an empty catalogue). A name already in the catalogue is error 5; a
// catalogue whose highest index is 32767 is full: overflow (6).
PALVEX_EXPORT Entry add(std::string_view name);

// Removes every entry named `name` (case-blind), damaged keys included, and
// the theme's element sections. The other entries keep their indices. Error
// 5 when no entry has that name.
PALVEX_EXPORT void remove(std::string_view name);

// Gives the entries named `oldName` the name `newName` (validated), keeping
// their keys (damaged ones too) and places, and moves the theme's element
// sections along. Only the spelling may change when both names match
// case-blind; otherwise a `newName` already in the catalogue is error 5.
// When the renamed theme is the current one, the current theme name follows.
PALVEX_EXPORT void rename(std::string_view oldName, std::string_view newName);

// The designer's save, after its questions: makes `name` the current theme
// name, then in one store transaction adds the catalogue entry when
// `addEntry` (the name validated as for add) and saves the ten shared
// elements with Update in this order: check box, command button, form,
// grid, label, status bar, tab strip, text, toolbar, shape. All of it lands
// or none; when it fails, the current theme name is restored and the error
// reaches the caller. Neither raises NuevoTema nor sets reloadElements.
// Returns the entry added, if any.
PALVEX_EXPORT std::optional<Entry> saveCombination(std::string_view name, bool addEntry);

}  // namespace palvex::catalogue
