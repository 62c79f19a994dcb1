// The INI-then-store text lookup and its conversion to a number.

#include <algorithm>

#include "settings/settings_cache.h"
#include "palvex/error.h"
#include "palvex/settings.h"

namespace palvex {

std::string GetSettingText(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view fallback) {
  settings_cache::beginLookup();
  // An empty INI value does not override the store.
  if (auto ini = settings_cache::iniValue(app, section, key); ini && !ini->empty()) return std::move(*ini);
  if (auto stored = settings_cache::storeValue(app, section, key)) return std::move(*stored);
  return std::string(fallback);
}

Currency GetSettingNumber(std::string_view app, std::string_view section, std::string_view key,
                          Currency fallback) {
  const std::string text = GetSettingText(app, section, key, fallback.toString());
  // Decimal commas are read as points first; when that reading is out of
  // range ("1,5E300"), the unchanged text gets a second chance ("1").
  std::string withPoints = text;
  std::replace(withPoints.begin(), withPoints.end(), ',', '.');
  try {
    return numericPrefix(withPoints);
  } catch (const Error&) {
  }
  try {
    return numericPrefix(text);
  } catch (const Error&) {
  }
  return fallback;
}

}  // namespace palvex
