// The INI-then-store text lookup and its conversion to a number.

#include <algorithm>

#include "palvex/error.h"
#include "palvex/settings.h"
#include "settings/settings_cache.h"

namespace palvex {

std::string GetSettingText(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view fallback) {
  settings_cache::beginLookup();
  // An empty INI value does not override the store.
  if (auto ini = settings_cache::iniValue(app, section, key); ini && !ini->empty()) return std::move(*ini);
  if (auto stored = settings_cache::storeValue(app, section, key)) return std::move(*stored);
  return std::string(fallback);
}

std::optional<Currency> settingTextNumber(std::string_view text) {
  // Decimal commas are read as points first; when that reading is out of
  // range ("1,5E300"), the unchanged text gets a second chance ("1").
  std::string withPoints(text);
  std::replace(withPoints.begin(), withPoints.end(), ',', '.');
  try {
    return numericPrefix(withPoints);
  } catch (const Error&) {
  }
  try {
    return numericPrefix(text);
  } catch (const Error&) {
  }
  return std::nullopt;
}

Currency GetSettingNumber(std::string_view app, std::string_view section, std::string_view key,
                          Currency fallback) {
  const std::string text = GetSettingText(app, section, key, fallback.toString());
  return settingTextNumber(text).value_or(fallback);
}

}  // namespace palvex
