#include "theme_reading.h"

#include "element_specs.h"
#include "palvex/elements.h"

namespace palvex::cli {

std::vector<ElementReading> readTheme(Tema& tema, const std::string& theme) {
  tema.setTema(theme);
  std::vector<ElementReading> elements;
  for (const auto* spec : elementSpecs()) {
    ElementReading reading{spec, {}, std::nullopt};
    try {
      auto element = createElement(spec->className);
      for (std::size_t i = 0; i < spec->properties.size(); ++i) {
        const auto& property = spec->properties[i];
        reading.properties.push_back(
            {&property, element->value(i), ElementSettingSource(spec->sectionWord, property.readKey)});
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
