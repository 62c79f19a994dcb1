// palvex rename: a theme under a new name, keeping its index and its values.

#include "catalogue.h"
#include "commands.h"
#include "palvex/settings_store.h"
#include "palvex/text.h"
#include "store_session.h"

namespace palvex::cli {

void runRename(const std::filesystem::path& store, const RenameOptions& options, std::ostream& out) {
  requireThemeName(options.to);
  useStore(store, StoreUse::Read);  // a missing store is not created: it holds nothing to rename
  std::string renamed;
  settingsStore().transaction([&] {
    renamed = describeEntry(options.from);
    if (!text::equalsIgnoreCase(options.from, options.to) && catalogue::find(options.to))
      throw UserError("theme " + describeEntry(options.to) +
                      " is already in the catalogue; remove it first or choose another name");
    catalogue::rename(options.from, options.to);
  });
  out << "Renamed theme " << renamed << " to \"" << options.to << "\".\n";
}

}  // namespace palvex::cli
