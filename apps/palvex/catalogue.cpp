#include "catalogue.h"

#include "palvex/settings_store.h"
#include "palvex/text.h"

namespace palvex::cli {

std::string themeToRead(const std::string& name) {
  if (auto entry = catalogue::find(name)) return entry->name;
  if (text::equalsIgnoreCase(name, "Default")) return "Default";
  throw unknownTheme(name);
}

ThemeReading readTheme(const std::string& name) {
  ThemeReading reading;
  settingsStore().readTransaction([&] {
    reading.theme = themeToRead(name);
    reading.elements = themeProvenance(reading.theme);
  });
  return reading;
}

catalogue::Entry requireTheme(const std::string& name, const std::string& hint) {
  if (auto entry = catalogue::find(name)) return *entry;
  throw unknownTheme(name, hint);
}

std::string describeEntry(const std::string& name) {
  const auto listing = catalogue::list();
  for (const auto& entry : listing.entries)
    if (text::equalsIgnoreCase(entry.name, name))
      return "\"" + entry.name + "\" (index " + std::to_string(entry.index) + ")";
  for (const auto& damaged : listing.unreadable)
    if (text::equalsIgnoreCase(damaged.name, name))
      return "\"" + damaged.name + "\" (catalogue key \"" + damaged.key + "\")";
  throw unknownTheme(name);
}

void requireThemeName(const std::string& name) {
  try {
    catalogue::validateName(name);
  } catch (const Error& e) {
    throw UserError(e.what());
  }
}

UserError unknownTheme(const std::string& name, const std::string& hint) {
  std::string known;
  for (const auto& entry : catalogue::list().entries) known += (known.empty() ? "" : ", ") + entry.name;
  std::string message = "no theme \"" + name + "\" in the catalogue";
  message += known.empty() ? " (the catalogue is empty)" : " (themes: " + known + ")";
  if (!hint.empty()) message += "; " + hint;
  return UserError(message);
}

}  // namespace palvex::cli
