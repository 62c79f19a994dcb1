// Element values of a theme, the current one by default, and where they come from.

#include "palvex/error.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/variant.h"
#include "settings/settings_cache.h"
#include "settings/theme_name.h"

namespace palvex {
namespace {
std::string currentSection(std::string_view sectionWord) {
  return elementSection(settings::currentThemeName(), sectionWord);
}
}  // namespace

std::string elementSection(std::string_view themeName, std::string_view sectionWord) {
  std::string s(kCatalogueSection);
  s.append(1, '\\').append(themeName).append(1, '\\').append(sectionWord);
  return s;
}

std::int32_t ReadElementSetting(std::string_view sectionWord, std::string_view key, std::int32_t fallback) {
  return ReadThemeSetting(settings::currentThemeName(), sectionWord, key, fallback);
}

std::int32_t ReadThemeSetting(std::string_view themeName, std::string_view sectionWord, std::string_view key,
                              std::int32_t fallback) {
  const std::string section = elementSection(themeName, sectionWord);
  Currency number = GetSettingNumber(kAppName, section, key, Currency::fromInteger(fallback));
  // Rounds half to even; past 32 bits the overflow reaches the element being
  // created, naming the value so that a user can find and mend it.
  try {
    return Variant(number).toInt32();
  } catch (const Error&) {
    throw overflowError(section + "\\" + std::string(key) + " = " + number.toString() + " does not fit 32 bits");
  }
}

void WriteElementSetting(std::string_view sectionWord, std::string_view key, std::int32_t value) {
  const std::string section = currentSection(sectionWord);
  // Forget the cached section even when the write fails: the store may hold part of it.
  try {
    settingsStore().write(kAppName, section, key, std::to_string(value));
  } catch (...) {
    settings_cache::forgetSection(kAppName, section);
    throw;
  }
  settings_cache::forgetSection(kAppName, section);
}

const char* toString(SettingSource source) {
  switch (source) {
    case SettingSource::Ini: return "ini";
    case SettingSource::Store: return "store";
    case SettingSource::Default: break;
  }
  return "default";
}

SettingSource ElementSettingSource(std::string_view sectionWord, std::string_view key) {
  return ThemeSettingSource(settings::currentThemeName(), sectionWord, key);
}

SettingSource ThemeSettingSource(std::string_view themeName, std::string_view sectionWord, std::string_view key) {
  const std::string section = elementSection(themeName, sectionWord);
  settings_cache::beginLookup();
  if (auto ini = settings_cache::iniValue(kAppName, section, key); ini && !ini->empty()) return SettingSource::Ini;
  if (settings_cache::storeValue(kAppName, section, key)) return SettingSource::Store;
  return SettingSource::Default;
}

std::optional<std::string> OverrideFileText(std::string_view themeName, std::string_view sectionWord,
                                            std::string_view key) {
  settings_cache::beginLookup();
  auto ini = settings_cache::iniValue(kAppName, elementSection(themeName, sectionWord), key);
  if (!ini || ini->empty()) return std::nullopt;
  return ini;
}

ElementLoadScope::ElementLoadScope() { settings_cache::openScope(); }
ElementLoadScope::~ElementLoadScope() { settings_cache::closeScope(); }

}  // namespace palvex
