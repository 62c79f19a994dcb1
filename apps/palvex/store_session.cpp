#include "store_session.h"

#include <system_error>

#include "palvex/settings_store.h"

namespace palvex::cli {

void useStore(const std::filesystem::path& path, StoreUse use) {
  std::error_code ec;
  const bool missing = !std::filesystem::exists(path, ec) && !ec;
  if (use == StoreUse::Read && missing) {
    installSettingsStore(makeMemoryStore());
    return;
  }
  installSettingsStore(openSqliteStore(path));
}

}  // namespace palvex::cli
