#pragma once
// The per-user settings store: values addressed by application, section and
// key. A section is a backslash-separated path ("Palvex\Default\LABEL"); every
// value is text. Sections and keys match without regard to case (every letter)
// and keep the capitalisation they were first written with. A section
// enumerates in first-insertion order, and rewriting a key keeps its place.

#include "palvex/export.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace palvex {

using SettingPairs = std::vector<std::pair<std::string, std::string>>;

class PALVEX_EXPORT SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text, or nullopt when the application, section or key is absent.
  // An existing empty value is "" (not nullopt).
  virtual std::optional<std::string> read(std::string_view app, std::string_view section,
                                          std::string_view key) = 0;
  // Stores the text, creating missing levels. Errors are thrown.
  virtual void write(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) = 0;
  // The (key, value) pairs directly in `section` (not its sub-levels), in
  // first-insertion order; empty when the section is absent.
  virtual SettingPairs enumerate(std::string_view app, std::string_view section) = 0;

  // Deletes one value; false when it was not there. A section left without
  // values is gone: written again, it takes the spelling of that write.
  // Both stores of the library delete; a store of a host's own that does not
  // override these refuses with palvex::Error (Storage).
  virtual bool erase(std::string_view app, std::string_view section, std::string_view key);
  // Deletes every value directly in `section` (its sub-levels stay) and
  // returns how many there were.
  virtual std::size_t eraseSection(std::string_view app, std::string_view section);

  // A number that changes whenever data may have changed since it was last
  // read, by this process or another. Cheap: callers use it to keep caches.
  virtual std::uint64_t changeToken() = 0;

  // Runs `body` as one unit: its reads and writes through this store are
  // isolated from other processes and applied together, or not at all when
  // `body` throws (the exception is rethrown).
  virtual void transaction(const std::function<void()>& body) = 0;
  // Runs `body`, which only reads, against one view of the data: what other
  // processes commit meanwhile is not seen until it returns. The library's
  // stores take no write lock for it, so it neither waits for nor holds up a
  // writer; a store that does not override it runs `body` as a transaction.
  // Inside a transaction it simply runs the body there.
  virtual void readTransaction(const std::function<void()>& body) { transaction(body); }

  // A description for messages ("/home/ana/.config/orvane/settings.sqlite").
  virtual std::string describe() const = 0;

  // GetSetting: the stored text or `fallback`.
  std::string get(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view fallback) {
    auto v = read(app, section, key);
    return v ? std::move(*v) : std::string(fallback);
  }
};

// An in-memory store: tests, and hosts that want no persistence.
PALVEX_EXPORT std::shared_ptr<SettingsStore> makeMemoryStore();

// The SQLite store at `path`, created (directory 0700, file 0600) when missing.
// Throws palvex::Error (Storage) naming the file when it is not a usable database.
PALVEX_EXPORT std::shared_ptr<SettingsStore> openSqliteStore(const std::filesystem::path& path);

// $PALVEX_STORE when set, else $XDG_CONFIG_HOME/orvane/settings.sqlite
// (~/.config when XDG_CONFIG_HOME is unset, empty or relative; the home
// folder from HOME or else the password database). Throws palvex::Error
// (Storage) saying what to set when there is no home folder to be found.
PALVEX_EXPORT std::filesystem::path defaultStorePath();

// The process-wide store the engine uses. Opened at defaultStorePath() on first
// use unless one was installed.
PALVEX_EXPORT SettingsStore& settingsStore();
PALVEX_EXPORT std::shared_ptr<SettingsStore> installSettingsStore(std::shared_ptr<SettingsStore> store);
// Changes with every installSettingsStore, so that a cache keyed on the store
// can tell a newly installed store from one that reuses a freed address.
PALVEX_EXPORT std::uint64_t settingsStoreGeneration();

}  // namespace palvex
