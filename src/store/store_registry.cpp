// The process-wide store: installed by a host or a test, or opened at the
// user's default path on first use.

#include "palvex/settings_store.h"

namespace palvex {
namespace {
std::shared_ptr<SettingsStore>& current() {
  static std::shared_ptr<SettingsStore> store;
  return store;
}
std::uint64_t& generation() {
  static std::uint64_t counter = 0;
  return counter;
}
}  // namespace

SettingsStore& settingsStore() {
  auto& store = current();
  if (!store) store = openSqliteStore(defaultStorePath());
  return *store;
}

std::shared_ptr<SettingsStore> installSettingsStore(std::shared_ptr<SettingsStore> store) {
  auto previous = std::move(current());
  current() = std::move(store);
  ++generation();
  return previous;
}

std::uint64_t settingsStoreGeneration() { return generation(); }

}  // namespace palvex
