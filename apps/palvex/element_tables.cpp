#include "element_tables.h"

#include <string>
#include <vector>

#include "palvex/elements.h"
#include "palvex/text.h"
#include "user_error.h"

namespace palvex::cli {
namespace {

template <class Names>
std::string joined(const Names& names) {
  std::string out;
  for (std::string_view name : names) out += (out.empty() ? "" : ", ") + std::string(name);
  return out;
}

}  // namespace

const ElementTable& requireElementTable(std::string_view className) {
  for (const auto* table : elementTables())
    if (text::equalsIgnoreCase(table->className, className)) return *table;
  throw UserError("unknown element \"" + std::string(className) + "\" (elements: " + joined(elementClassNames()) +
                  ")");
}

std::size_t requireProperty(const ElementTable& table, std::string_view name) {
  std::vector<std::string_view> names;
  for (std::size_t i = 0; i < table.properties.size(); ++i) {
    const auto& property = table.properties[i];
    if (text::equalsIgnoreCase(property.name, name) || text::equalsIgnoreCase(property.descriptorName, name))
      return i;
    names.push_back(property.name);
  }
  throw UserError(std::string(table.className) + " has no property \"" + std::string(name) +
                  "\" (properties: " + joined(names) + ")");
}

}  // namespace palvex::cli
