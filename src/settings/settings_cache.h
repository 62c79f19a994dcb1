#pragma once
// The view of the INI file and the store that theme value lookups read from.
//
// Freshness is checked once per epoch: a new epoch starts when the outermost
// ElementLoadScope opens, and with every lookup made outside any scope. The
// first lookup of an epoch asks SharedUtility for the INI path and stats the
// file (re-parsing it only when its identity, size or times changed) and reads
// the store's change token (dropping the cached sections when it changed or
// another store was installed). The lookups of the same epoch are then served
// from memory: a parsed file and one enumerated map per store section.
//
// A value is therefore never older than the state at the start of its epoch;
// a change another writer makes during a scope shows from the next epoch on.
// Writes through WriteElementSetting drop their section at once.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palvex::settings_cache {

// Opens and closes a (possibly nested) scope; only the outermost starts an epoch.
void openScope();
void closeScope();
// Starts an epoch when no scope is open; every lookup calls it first.
void beginLookup();

// The INI value of `app`'s file (possibly empty), or nullopt when the file
// cannot be located or read, or lacks the section or key. Never throws.
std::optional<std::string> iniValue(std::string_view app, std::string_view section, std::string_view key);
// The store's value, or nullopt when the key is absent. Store errors are thrown.
std::optional<std::string> storeValue(std::string_view app, std::string_view section, std::string_view key);

// Drops what is cached of one store section, after a write to it.
void forgetSection(std::string_view app, std::string_view section);

// Drops everything, as at process start.
void reset();

// How often the expensive steps ran, for tests and benchmarks.
struct Counters {
  std::uint64_t iniParses = 0;
  std::uint64_t sectionLoads = 0;
};
Counters counters();

}  // namespace palvex::settings_cache
