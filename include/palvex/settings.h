#pragma once
// Theme values in the settings store, with the read-only INI override.
//
// Layout: application "Orvane"; catalogue section "Palvex" (key = decimal
// index, value = theme name); element values under
// "Palvex\<theme>\<WORD>" as the decimal text of a signed 32-bit integer.
// A non-empty value in the INI file (same sections and keys) wins over the store.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "palvex/currency.h"

namespace palvex {

inline constexpr std::string_view kAppName = "Orvane";
inline constexpr std::string_view kCatalogueSection = "Palvex";

// "Palvex\" + theme + "\" + word, the theme name used unchanged.
std::string elementSection(std::string_view themeName, std::string_view sectionWord);

// The INI file first (a non-empty value wins), then the store, then `fallback`.
std::string GetSettingText(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view fallback);
// GetSettingText's numeric prefix as fixed-point; never fails (falls back to `fallback`).
Currency GetSettingNumber(std::string_view app, std::string_view section, std::string_view key,
                          Currency fallback);
// The number GetSettingNumber takes from a text: its numeric prefix, decimal
// commas read as points; nullopt when that does not fit fixed-point (the
// lookup then falls back to its default).
std::optional<Currency> settingTextNumber(std::string_view text);
// A value of the current theme, rounded half to even; throws an overflow error
// when it does not fit 32 bits.
std::int32_t ReadElementSetting(std::string_view sectionWord, std::string_view key,
                                std::int32_t fallback);
// Stores the decimal text of `value` under the current theme.
void WriteElementSetting(std::string_view sectionWord, std::string_view key, std::int32_t value);
// ReadElementSetting for any theme, the current one or not.
std::int32_t ReadThemeSetting(std::string_view themeName, std::string_view sectionWord, std::string_view key,
                              std::int32_t fallback);

// Where a value comes from (what ReadElementSetting would use).
enum class SettingSource { Default, Store, Ini };
const char* toString(SettingSource source);  // "default", "store", "ini"
SettingSource ElementSettingSource(std::string_view sectionWord, std::string_view key);
SettingSource ThemeSettingSource(std::string_view themeName, std::string_view sectionWord, std::string_view key);
// The override file's own text for a value of `themeName`, when it holds a
// non-empty one (only then does it win over the store); nullopt otherwise,
// also when the file cannot be found or read.
std::optional<std::string> OverrideFileText(std::string_view themeName, std::string_view sectionWord,
                                            std::string_view key);

// Marks the loading of one element: the freshness of the INI file and the store
// is checked once when the outermost scope opens, and the reads inside it are
// served from that one consistent view. Reads outside any scope check on their
// own. Scopes nest.
class ElementLoadScope {
 public:
  ElementLoadScope();
  ~ElementLoadScope();
  ElementLoadScope(const ElementLoadScope&) = delete;
  ElementLoadScope& operator=(const ElementLoadScope&) = delete;
};

// Classic numeric prefix of a text (blanks skipped anywhere, optional sign,
// digits with one '.', exponent E or D, &H / &O literals with the 16/32-bit
// rule). Throws an overflow error when the number does not fit fixed-point.
Currency numericPrefix(std::string_view text);

}  // namespace palvex
