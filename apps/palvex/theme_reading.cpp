#include "theme_reading.h"

#include "element_tables.h"
#include "palvex/elements.h"

namespace palvex::cli {

std::vector<ElementReading> readTheme(Tema& tema, const std::string& theme) {
  tema.setTema(theme);
  std::vector<ElementReading> elements;
  for (const auto* table : elementTables()) {
    ElementReading reading{table, {}, std::nullopt};
    try {
      auto element = createElement(table->className);
      for (std::size_t i = 0; i < table->properties.size(); ++i) {
        const auto& property = table->properties[i];
        reading.properties.push_back(
            {&property, element->value(i), ElementSettingSource(table->sectionWord, property.readKey)});
      }
    } catch (const Error& e) {
      reading.properties.clear();
      reading.error = e;
    }
    elements.push_back(std::move(reading));
  }
  return elements;
}

}  // namespace palvex::cli
