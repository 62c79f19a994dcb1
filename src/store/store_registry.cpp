// The process-wide store: installed by a host or a test, or opened at the
// user's default path on first use.

#include "palvex/settings_store.h"

namespace palvex {
namespace {
std::shared_ptr<SettingsStore>& current() {
  static std::shared_ptr<SettingsStore> store;
  return store;
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
  return previous;
}

}  // namespace palvex
