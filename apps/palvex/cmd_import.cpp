// palvex import: a theme file saved as a theme, all of it or nothing.


#include "catalogue.h"
#include "commands.h"
#include "element_tables.h"
#include "file_io.h"
#include "palvex/elements.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"
#include "profile/ini_encoding.h"
#include "store_session.h"
#include "theme_file.h"

namespace palvex::cli {

void runImport(const std::filesystem::path& store, const ImportOptions& options, std::ostream& out) {
  // The whole file is checked before the store is opened: a refused file
  // leaves the store as it was, and no store file appears.
  const auto text = profile::iniBytesToUtf8(readFileBytes(options.file));
  const auto file = parseThemeFile(text, elementTables(), options.as.has_value(), options.file.string());
  const std::string name = options.as.value_or(file.theme);
  requireThemeName(name);

  useStore(store, StoreUse::Write);
  auto tema = Tema::create();
  catalogue::Entry entry;
  bool added = false;

  settingsStore().transaction([&] {
    auto known = catalogue::find(name);
    added = !known;
    entry = known ? *known : catalogue::add(name);
    const std::string& theme = entry.name;
    tema->setTema(theme);
    // Each element the file speaks of is loaded, given the file's values by
    // name and saved, so its keys are written exactly as the engine writes them.
    for (const auto* table : elementTables()) {
      std::shared_ptr<Element> element;
      for (const auto& value : file.values) {
        if (value.className != table->className) continue;
        if (!element) element = createElement(table->className);
        element->set(value.propertyName, Variant(value.value));
      }
      if (element) element->Update();
    }
  });

  out << "Imported " << file.values.size() << " values from " << options.file.string() << " into theme \""
      << entry.name << "\" (" << (added ? "new catalogue entry " : "catalogue entry ") << entry.index << ").\n";
}

}  // namespace palvex::cli
