#include "catalogue.h"

#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/text.h"
#include "palvex/variant.h"
#include "theme_file.h"

namespace palvex::cli {

std::vector<CatalogueEntry> readCatalogue() {
  std::vector<CatalogueEntry> entries;
  for (auto& [key, name] : settingsStore().enumerate(kAppName, kCatalogueSection))
    entries.push_back({Variant(key).toInt16(), std::move(name)});
  return entries;
}

std::optional<std::string> catalogueName(Tema& tema, const std::string& name) {
  const auto index = tema.indiceTema(name);
  if (index < 0) return std::nullopt;
  for (auto& entry : readCatalogue())
    if (entry.index == index) return std::move(entry.name);
  return name;
}

std::string themeToRead(Tema& tema, const std::string& name) {
  if (auto known = catalogueName(tema, name)) return *known;
  if (text::equalsIgnoreCase(name, "Default")) return "Default";
  throw unknownTheme(name);
}

void checkNewThemeName(const std::string& name) {
  if (name.empty()) throw UserError("a theme name cannot be empty");
  if (name.front() == ' ' || name.back() == ' ' || name.front() == '\t' || name.back() == '\t')
    throw UserError("theme name \"" + name + "\" starts or ends with a blank");
  checkThemeNameFitsFile(name);  // every theme can be exported and imported back
}

std::int16_t addCatalogueEntry(Tema& tema, const std::string& name) {
  const auto highest = tema.maxIndiceTema();
  if (highest == INT16_MAX) throw UserError("the catalogue is full: index 32767 is taken");
  const auto index = static_cast<std::int16_t>(highest + 1);
  settingsStore().write(kAppName, kCatalogueSection, std::to_string(index), name);
  return index;
}

UserError unknownTheme(const std::string& name, const std::string& hint) {
  std::string known;
  for (const auto& entry : readCatalogue()) known += (known.empty() ? "" : ", ") + entry.name;
  std::string message = "no theme \"" + name + "\" in the catalogue";
  message += known.empty() ? " (the catalogue is empty)" : " (themes: " + known + ")";
  if (!hint.empty()) message += "; " + hint;
  return UserError(message);
}

}  // namespace palvex::cli
