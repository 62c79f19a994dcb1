// PROVISIONAL: store-only lookups without the INI override, the numeric-prefix
// rules or the cache; being replaced by the full settings layer.

#include <cstdlib>

#include "engine/globales.h"
#include "palvex/error.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/variant.h"

namespace palvex {

std::string elementSection(std::string_view themeName, std::string_view sectionWord) {
  std::string s(kCatalogueSection);
  s += '\\';
  s += themeName;
  s += '\\';
  s += sectionWord;
  return s;
}

std::string GetSettingText(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view fallback) {
  return settingsStore().get(app, section, key, fallback);
}

Currency numericPrefix(std::string_view text) {
  std::string s(text);
  return Currency::fromDouble(std::strtod(s.c_str(), nullptr));
}

Currency GetSettingNumber(std::string_view app, std::string_view section, std::string_view key, Currency fallback) {
  try {
    return numericPrefix(GetSettingText(app, section, key, fallback.toString()));
  } catch (const Error&) {
    return fallback;
  }
}

std::int32_t ReadElementSetting(std::string_view sectionWord, std::string_view key, std::int32_t fallback) {
  auto section = elementSection(globales::state().currentThemeName, sectionWord);
  return Variant(GetSettingNumber(kAppName, section, key, Currency::fromInteger(fallback))).toInt32();
}

void WriteElementSetting(std::string_view sectionWord, std::string_view key, std::int32_t value) {
  settingsStore().write(kAppName, elementSection(globales::state().currentThemeName, sectionWord), key,
                        std::to_string(value));
}

ElementLoadScope::ElementLoadScope() = default;
ElementLoadScope::~ElementLoadScope() = default;

}  // namespace palvex
