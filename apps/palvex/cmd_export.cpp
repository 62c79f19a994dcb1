// palvex export: a theme as an INI file in the layout of the override file.

#include "catalogue.h"
#include "commands.h"
#include "file_io.h"
#include "store_session.h"
#include "theme_file.h"
#include "theme_reading.h"
#include "user_error.h"

namespace palvex::cli {

void runExport(const std::filesystem::path& store, const ExportOptions& options, std::ostream& out) {
  useStore(store, StoreUse::Read);
  auto tema = Tema::create();
  const auto theme = themeToRead(*tema, options.theme);

  std::vector<ElementValues> elements;
  for (auto& reading : readTheme(*tema, theme)) {
    if (reading.error)
      throw UserError(std::string(reading.table->className) + " of theme \"" + theme +
                      "\" cannot be loaded: " + reading.error->what() + " (error " +
                      std::to_string(reading.error->code()) + ")");
    ElementValues element{reading.table, {}};
    for (const auto& property : reading.properties) element.values.push_back(property.value);
    elements.push_back(std::move(element));
  }

  const std::string text = renderThemeFile(theme, elements);
  if (options.file)
    writeFileBytes(*options.file, text);
  else
    out << text;
}

}  // namespace palvex::cli
