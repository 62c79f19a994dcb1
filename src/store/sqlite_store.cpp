// PROVISIONAL: the SQLite store is being written.
#include "palvex/error.h"
#include "palvex/settings_store.h"

namespace palvex {
std::shared_ptr<SettingsStore> openSqliteStore(const std::filesystem::path& path) {
  throw Error(ErrorNumber::Storage, "SQLite store not available yet: " + path.string());
}
std::filesystem::path defaultStorePath() { return "settings.sqlite"; }
}  // namespace palvex
