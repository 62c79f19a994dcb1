// Where each value of a theme comes from.

#include "palvex/provenance.h"

#include "elements/element_loading.h"
#include "palvex/elements.h"
#include "palvex/settings_store.h"
#include "palvex/variant.h"

namespace palvex {
namespace {

ElementProvenance readElement(const ElementTable& table, std::string_view themeName) {
  ElementProvenance element{&table, {}, std::nullopt};
  try {
    const std::vector<std::int32_t> values = detail::loadElementValues(table, themeName);
    for (std::size_t i = 0; i < values.size(); ++i) {
      const PropertyRow& row = table.properties[i];
      element.properties.push_back({&row, values[i], ThemeSettingSource(themeName, table.sectionWord, row.readKey)});
    }
  } catch (const Error& e) {
    if (e.number() == ErrorNumber::Storage) throw;  // not this element's fault: nothing can be read
    element.properties.clear();
    element.error = e;
  }
  return element;
}

}  // namespace

std::vector<ElementProvenance> themeProvenance(std::string_view themeName) {
  std::vector<ElementProvenance> elements;
  settingsStore().readTransaction([&] {
    elements.clear();
    ElementLoadScope oneView;  // one freshness check of the file and the store for all ten
    for (const ElementTable* table : elementTables()) elements.push_back(readElement(*table, themeName));
  });
  return elements;
}

std::optional<OverrideValue> overrideFileValue(std::string_view themeName, std::string_view sectionWord,
                                               std::string_view key) {
  auto text = OverrideFileText(themeName, sectionWord, key);
  if (!text) return std::nullopt;
  OverrideValue entry{std::move(*text), std::nullopt};
  if (auto number = settingTextNumber(entry.text)) {
    try {
      entry.value = Variant(*number).toInt32();
    } catch (const Error&) {
      // Past 32 bits: an element loading it fails, there is no value to show.
    }
  }
  return entry;
}

}  // namespace palvex
