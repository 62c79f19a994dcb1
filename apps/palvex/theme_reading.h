#pragma once
// A theme as the engine loads it: every element, every value, and where each
// value comes from.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "palvex/element.h"
#include "palvex/error.h"
#include "palvex/settings.h"
#include "palvex/tema.h"

namespace palvex::cli {

struct PropertyReading {
  const PropertyRow* row = nullptr;
  std::int32_t value = 0;
  SettingSource source = SettingSource::Default;
};

struct ElementReading {
  const ElementTable* table = nullptr;
  std::vector<PropertyReading> properties;  // property order; empty when `error`
  std::optional<Error> error;               // why the element could not be created
};

// Makes `theme` current and creates each element in slot order. An element
// whose creation fails carries its error, and the others are still read.
std::vector<ElementReading> readTheme(Tema& tema, const std::string& theme);

}  // namespace palvex::cli
