// The tool's theme file. Any bytes: the import either refuses them with a
// message that names the file, or accepts values every one of which belongs to
// a known element property and fits its width; what it accepts, exported
// again, imports back to the same theme and values. Any theme name and values:
// the export either refuses the name with a message or writes a file that
// imports back to the same theme and values, and every name the tool lets a
// user create can be exported.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "fuzz_support.h"
#include "palvex/elements.h"
#include "profile/ini_encoding.h"
#include "theme_file.h"
#include "user_error.h"

namespace palvex::fuzz {
namespace {

using cli::ElementValues;
using Values = std::map<std::pair<std::string, std::string>, std::int32_t>;  // (class, property) -> value
constexpr std::string_view kLabel = "fuzz.ini";

Values valuesOf(std::span<const ElementValues> elements) {
  Values out;
  for (const auto& element : elements)
    for (std::size_t i = 0; i < element.values.size(); ++i)
      out[{std::string(element.table->className), std::string(element.table->properties[i].name)}] =
          element.values[i];
  return out;
}

// Exports and imports again; the theme and every value must come back.
void checkRoundTrip(const std::string& theme, std::span<const ElementValues> elements) {
  const std::string text = cli::renderThemeFile(theme, elements);
  const auto back = cli::parseThemeFile(text, elementTables(), false, kLabel);
  FUZZ_CHECK(back.theme == theme);
  Values imported;
  for (const auto& value : back.values) {
    const bool fresh = imported.emplace(std::pair{value.className, value.propertyName}, value.value).second;
    FUZZ_CHECK(fresh);
  }
  FUZZ_CHECK(imported == valuesOf(elements));
}

std::vector<ElementValues> defaults() {
  std::vector<ElementValues> out;
  for (const auto* table : elementTables()) {
    ElementValues element{table, {}};
    for (const auto& property : table->properties) element.values.push_back(property.defaultValue);
    out.push_back(std::move(element));
  }
  return out;
}

void checkImport(std::string_view bytes, bool renaming) {
  cli::ThemeFile file;
  try {
    file = cli::parseThemeFile(profile::iniBytesToUtf8(bytes), elementTables(), renaming, kLabel);
  } catch (const cli::UserError& e) {
    FUZZ_CHECK(std::string_view(e.what()).starts_with(kLabel));
    return;
  }
  auto elements = defaults();
  for (const auto& value : file.values) {
    bool known = false;
    for (auto& element : elements) {
      if (element.table->className != value.className) continue;
      for (std::size_t i = 0; i < element.table->properties.size(); ++i) {
        const auto& property = element.table->properties[i];
        if (property.name != value.propertyName) continue;
        known = true;
        if (property.width == PropertyWidth::Whole16) FUZZ_CHECK(value.value >= INT16_MIN && value.value <= INT16_MAX);
        element.values[i] = value.value;
      }
    }
    FUZZ_CHECK(known);
  }
  checkRoundTrip(file.theme, elements);
}

void checkExport(ByteReader in) {
  const std::string theme = in.takeUntil(0, 64);
  auto elements = defaults();
  for (auto& element : elements)
    for (std::size_t i = 0; i < element.values.size(); ++i)
      element.values[i] = element.table->properties[i].width == PropertyWidth::Whole16 ? in.take<std::int16_t>()
                                                                                      : in.take<std::int32_t>();
  bool creatable = true;
  try {
    cli::requireThemeName(theme);
  } catch (const cli::UserError&) {
    creatable = false;
  }
  try {
    checkRoundTrip(theme, elements);
  } catch (const cli::UserError& e) {
    FUZZ_CHECK(!creatable);
    FUZZ_CHECK(std::string_view(e.what()).starts_with("theme name"));
  }
}

}  // namespace
}  // namespace palvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace palvex::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkImport(bytes, size % 2 == 1);
  checkExport(ByteReader(data, size));
  return 0;
}
