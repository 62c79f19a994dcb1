#include "element_tables.h"

#include <memory>
#include <string>
#include <vector>

#include "palvex/elements.h"
#include "palvex/settings_store.h"
#include "palvex/shared_utility.h"
#include "palvex/text.h"
#include "user_error.h"

namespace palvex::cli {
namespace {

// A utility component whose override file never exists.
class NoOverrideFile final : public SharedUtility {
 public:
  std::string iniPath(std::string&, std::string&) override { return {}; }
  void showMessage(const std::string&) override {}
  bool askConfirmation(const std::string&, int, const std::string&) override { return false; }
};

// Swaps in an empty store and no override file for its lifetime.
class EmptySettings {
 public:
  EmptySettings()
      : store_(installSettingsStore(makeMemoryStore())),
        utility_(installSharedUtility(std::make_shared<NoOverrideFile>())) {}
  ~EmptySettings() {
    installSharedUtility(std::move(utility_));
    installSettingsStore(std::move(store_));
  }
  EmptySettings(const EmptySettings&) = delete;
  EmptySettings& operator=(const EmptySettings&) = delete;

 private:
  std::shared_ptr<SettingsStore> store_;
  std::shared_ptr<SharedUtility> utility_;
};

// The tables are only reachable through an element, so one element of each
// class is created where nothing can make its loading fail or touch the
// user's data. The tables are static data and outlive those elements.
std::vector<const ElementTable*> probeTables() {
  EmptySettings empty;
  std::vector<const ElementTable*> tables;
  for (auto name : elementClassNames()) tables.push_back(&createElement(name)->table());
  return tables;
}

template <class Names>
std::string joined(const Names& names) {
  std::string out;
  for (std::string_view name : names) out += (out.empty() ? "" : ", ") + std::string(name);
  return out;
}

}  // namespace

std::span<const ElementTable* const> elementTables() {
  static const std::vector<const ElementTable*> tables = probeTables();
  return tables;
}

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
