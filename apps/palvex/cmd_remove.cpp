// palvex remove: a theme out of the catalogue, its values with it.

#include "catalogue.h"
#include "commands.h"
#include "palvex/settings_store.h"
#include "store_session.h"

namespace palvex::cli {

void runRemove(const std::filesystem::path& store, const RemoveOptions& options, std::ostream& out) {
  // A missing store is not created: it holds no theme to remove.
  useStore(store, StoreUse::Read);
  std::string removed;
  // Removing is also the way to be rid of an entry whose key is damaged.
  settingsStore().transaction([&] {
    removed = describeEntry(options.theme);
    catalogue::remove(options.theme);
  });
  out << "Removed theme " << removed << " and its values.\n";
}

}  // namespace palvex::cli
