// palvex export: a theme as an INI file in the layout of the override file.

#include <system_error>

#include "catalogue.h"
#include "commands.h"
#include "file_io.h"
#include "palvex/provenance.h"
#include "store_session.h"
#include "theme_file.h"
#include "user_error.h"

namespace palvex::cli {
namespace {

namespace fs = std::filesystem;

// Whether `file` is the store, or one of the files SQLite keeps beside it:
// writing INI text there would destroy the settings.
bool isStoreFile(const fs::path& file, const fs::path& store) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    const fs::path candidate = store.string() + suffix;
    std::error_code same, left, right;
    if (fs::equivalent(file, candidate, same)) return true;  // also through another name or a link
    const fs::path a = fs::weakly_canonical(file, left), b = fs::weakly_canonical(candidate, right);
    if (!left && !right && a == b) return true;  // the same path, existing or not
  }
  return false;
}

ElementValues valuesOf(const ElementProvenance& element, const std::string& theme) {
  if (element.error)
    throw UserError(std::string(element.table->className) + " of theme \"" + theme + "\" cannot be loaded: " +
                    element.error->what() + " (error " + std::to_string(element.error->code()) + ")");
  ElementValues values{element.table, {}};
  for (const auto& property : element.properties) values.values.push_back(property.value);
  return values;
}

}  // namespace

void runExport(const fs::path& store, const ExportOptions& options, std::ostream& out) {
  if (options.file && isStoreFile(*options.file, store))
    throw UserError("will not export into " + options.file->string() +
                    ": it is the settings store itself; name another file");
  useStore(store, StoreUse::Read);
  const ThemeReading reading = readTheme(options.theme);
  std::vector<ElementValues> values;
  for (const auto& element : reading.elements) values.push_back(valuesOf(element, reading.theme));
  const std::string text = renderThemeFile(reading.theme, values);
  if (options.file)
    writeFileBytes(*options.file, text);
  else
    out << text;
}

}  // namespace palvex::cli
