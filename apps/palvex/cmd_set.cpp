// palvex set: one property of one element, saved with the element's Update.

#include <optional>

#include "catalogue.h"
#include "colour_format.h"
#include "commands.h"
#include "element_tables.h"
#include "palvex/elements.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"
#include "store_session.h"
#include "user_error.h"
#include "value_parser.h"

namespace palvex::cli {
namespace {

std::int32_t typedValue(const std::string& text) {
  try {
    return parseValue(text);
  } catch (const UserError& e) {
    throw UserError("value \"" + text + "\": " + e.what());
  }
}

void checkWidth(const PropertyRow& property, std::int32_t value) {
  if (property.width == PropertyWidth::Whole16 && (value < INT16_MIN || value > INT16_MAX))
    throw UserError("value " + std::to_string(value) + " does not fit the 16-bit property " +
                    std::string(property.name) + " (-32768 to 32767)");
}

}  // namespace

void runSet(const std::filesystem::path& store, const SetOptions& options, std::ostream& out) {
  // Everything that can be checked without the store is checked first.
  const std::int32_t value = typedValue(options.value);
  const ElementTable& table = requireElementTable(options.element);
  const std::size_t index = requireProperty(table, options.property);
  const PropertyRow& property = table.properties[index];
  checkWidth(property, value);
  if (options.create) requireThemeName(options.theme);

  useStore(store, options.create ? StoreUse::Write : StoreUse::Read);
  auto tema = Tema::create();
  std::string theme;
  std::optional<std::int16_t> added;
  std::int32_t saved = 0;

  // The catalogue check, the new entry and the element's values are one unit:
  // a concurrent creator either sees this entry or this one sees its.
  settingsStore().transaction([&] {
    auto known = catalogue::find(options.theme);
    if (!known && !options.create) throw unknownTheme(options.theme, "add --create to create it");
    if (!known) added = catalogue::add(options.theme).index;
    theme = known ? known->name : options.theme;
    tema->setTema(theme);
    auto element = createElement(table.className);
    element->set(property.name, Variant(value));
    element->Update();
    saved = element->value(index);
  });

  if (added) out << "Added theme \"" << theme << "\" to the catalogue with index " << *added << ".\n";
  out << theme << ": " << table.className << "." << property.name << " = ";
  if (property.width == PropertyWidth::Colour32)
    out << hexColour(saved) << " (" << saved << ")\n";
  else
    out << saved << '\n';
}

}  // namespace palvex::cli
