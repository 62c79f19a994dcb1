#pragma once
// Theme values in the settings store, with the read-only INI override.
//
// Layout: application "Orvane"; catalogue section "Palvex" (key = decimal
// index, value = theme name); element values under
// "Palvex\<theme>\<WORD>" as the decimal text of a signed 32-bit integer.
// A non-empty value in the INI file (same sections and keys) wins over the store.

#include "palvex/export.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "palvex/currency.h"

namespace palvex {

inline constexpr std::string_view kAppName = "Orvane";
inline constexpr std::string_view kCatalogueSection = "Palvex";

// "Palvex\" + theme + "\" + word, the theme name used unchanged.
PALVEX_EXPORT std::string elementSection(std::string_view themeName, std::string_view sectionWord);

// The INI file first (a non-empty value wins), then the store, then `fallback`.
PALVEX_EXPORT std::string GetSettingText(std::string_view app, std::string_view section, std::string_view key,
                                         std::string_view fallback);
// GetSettingText's numeric prefix as fixed-point; never fails (falls back to `fallback`).
PALVEX_EXPORT Currency GetSettingNumber(std::string_view app, std::string_view section, std::string_view key,
                                        Currency fallback);
// The number GetSettingNumber takes from a text: its numeric prefix, decimal
// commas read as points; nullopt when that does not fit fixed-point (the
// lookup then falls back to its default).
PALVEX_EXPORT std::optional<Currency> settingTextNumber(std::string_view text);
// A value of the current theme, rounded half to even; throws an overflow error
// when it does not fit 32 bits.
PALVEX_EXPORT std::int32_t ReadElementSetting(std::string_view sectionWord, std::string_view key,
                                              std::int32_t fallback);
// Stores the decimal text of `value` under the current theme.
PALVEX_EXPORT void WriteElementSetting(std::string_view sectionWord, std::string_view key, std::int32_t value);
// ReadElementSetting for any theme, the current one or not.
PALVEX_EXPORT std::int32_t ReadThemeSetting(std::string_view themeName, std::string_view sectionWord, std::string_view key,
                                            std::int32_t fallback);

// Where a value comes from (what ReadElementSetting would use).
enum class SettingSource { Default, Store, Ini };
PALVEX_EXPORT const char* toString(SettingSource source);  // "default", "store", "ini"
PALVEX_EXPORT SettingSource ElementSettingSource(std::string_view sectionWord, std::string_view key);
PALVEX_EXPORT SettingSource ThemeSettingSource(std::string_view themeName, std::string_view sectionWord, std::string_view key);
// The override file's own text for a value of `themeName`, when it holds a
// non-empty one (only then does it win over the store); nullopt otherwise,
// also when the file cannot be found or read.
PALVEX_EXPORT std::optional<std::string> OverrideFileText(std::string_view themeName, std::string_view sectionWord,
                                                          std::string_view key);

// Marks the loading of one element: the freshness of the INI file and the store
// is checked once when the outermost scope opens, and the reads inside it are
// served from that one consistent view. Reads outside any scope check on their
// own. Scopes nest.
class PALVEX_EXPORT ElementLoadScope {
 public:
  ElementLoadScope();
  ~ElementLoadScope();
  ElementLoadScope(const ElementLoadScope&) = delete;
  ElementLoadScope& operator=(const ElementLoadScope&) = delete;
};

// Classic numeric prefix of a text (blanks skipped anywhere, optional sign,
// digits with one '.', exponent E or D, &H / &O literals with the 16/32-bit
// rule). Throws an overflow error when the number does not fit fixed-point.
PALVEX_EXPORT Currency numericPrefix(std::string_view text);

}  // namespace palvex
