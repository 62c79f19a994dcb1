// The theme catalogue: listing, look-up, and the operations that change it.

#include "palvex/catalogue.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "automation/utf8.h"
#include "engine/catalogue_keys.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/text.h"
#include "palvex/variant.h"

namespace palvex::catalogue {

namespace detail {

SettingPairs rawEntries() { return settingsStore().enumerate(kAppName, kCatalogueSection); }

std::int16_t indexOfKey(std::string_view key) {
  try {
    return Variant(key).toInt16();
  } catch (const Error& e) {
    throw Error(e.number(), "catalogue key \"" + std::string(key) + "\" (application " + std::string(kAppName) +
                                ", section " + std::string(kCatalogueSection) + ", store " +
                                settingsStore().describe() + ") is not a theme index from -32768 to 32767: " +
                                e.what());
  }
}

}  // namespace detail

namespace {

// A name as a message shows it: quoted, with its control characters spelled
// out so that the message stays on one line.
std::string quoted(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c == '\0') out += "\\0";
    else out += c;
  }
  return out + "\"";
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

struct RefusedCharacter {
  char c;
  const char* why;
};
constexpr RefusedCharacter kRefusedCharacters[] = {
    {'\n', "holds a line break"},
    {'\r', "holds a carriage return"},
    {'\0', "holds a NUL character"},
    {']', "holds ']', which would end its section header in an INI file"},
    {'\\', "holds '\\', which separates the levels of a section path"},
};

// Why `name` cannot be a theme's; nullptr when it can.
const char* nameProblem(std::string_view name) {
  if (name.empty()) return "is empty";
  if (isBlank(name.front()) || isBlank(name.back())) return "starts or ends with a blank";
  for (const auto& refused : kRefusedCharacters)
    if (name.find(refused.c) != std::string_view::npos) return refused.why;
  // An INI file is read back as Windows-1252 unless it is UTF-8: such a name
  // would come back as another.
  if (!utf8::isValid(name)) return "is not valid UTF-8";
  return nullptr;
}

Error refusal(const std::string& message) { return Error(ErrorNumber::InvalidCall, message); }

Error notInCatalogue(std::string_view name) { return refusal("no theme " + quoted(name) + " in the catalogue"); }

// The section words of the ten elements, each once: a theme's sections.
std::vector<std::string_view> sectionWords() {
  std::vector<std::string_view> words;
  for (const ElementTable* table : elementTables())
    if (std::ranges::find(words, table->sectionWord) == words.end()) words.push_back(table->sectionWord);
  return words;
}

// The keys of every entry named `name` (case-blind), in store order.
std::vector<std::string> keysNamed(const SettingPairs& entries, std::string_view name) {
  std::vector<std::string> keys;
  for (const auto& [key, entryName] : entries)
    if (text::equalsIgnoreCase(entryName, name)) keys.push_back(key);
  return keys;
}

Listing listOf(const SettingPairs& entries) {
  Listing listing;
  for (const auto& [key, name] : entries) {
    try {
      listing.entries.push_back({detail::indexOfKey(key), name});
    } catch (const Error& e) {
      listing.unreadable.push_back({key, name, e});
    }
  }
  return listing;
}

std::optional<Entry> findIn(const SettingPairs& entries, std::string_view name) {
  for (const auto& [key, entryName] : entries)
    if (text::equalsIgnoreCase(entryName, name)) return Entry{detail::indexOfKey(key), entryName};
  return std::nullopt;
}

// The index after the highest readable one. Damaged keys are passed over:
// they hold no index a new one could collide with.
std::int16_t nextIndex(const SettingPairs& entries) {
  int highest = -1;
  for (const Entry& entry : listOf(entries).entries) highest = std::max<int>(highest, entry.index);
  if (highest == INT16_MAX)
    throw overflowError(
        "the theme catalogue is full: a new theme takes the index after the highest, and the highest, 32767, "
        "is the last a catalogue index can be");
  return static_cast<std::int16_t>(highest + 1);
}

// Where an entry sits, as a message names it: its index, or its key when
// that holds none.
std::string placeOf(const std::string& key) {
  try {
    return "index " + std::to_string(detail::indexOfKey(key));
  } catch (const Error&) {
    return "catalogue key \"" + key + "\"";
  }
}

Entry addTo(const SettingPairs& entries, std::string_view name) {
  validateName(name);
  if (const auto keys = keysNamed(entries, name); !keys.empty())
    throw refusal("theme " + quoted(name) + " is already in the catalogue (" + placeOf(keys.front()) + ")");
  const std::int16_t index = nextIndex(entries);
  settingsStore().write(kAppName, kCatalogueSection, std::to_string(index), name);
  return Entry{index, std::string(name)};
}

// Moves every element section of `from` to `to`. Erasing first lets a change
// of spelling alone take effect: the store keeps a section's first spelling.
void moveSections(std::string_view from, std::string_view to) {
  SettingsStore& store = settingsStore();
  for (std::string_view word : sectionWords()) {
    const std::string source = elementSection(from, word);
    const SettingPairs values = store.enumerate(kAppName, source);
    if (values.empty()) continue;
    store.eraseSection(kAppName, source);
    const std::string target = elementSection(to, word);
    for (const auto& [key, value] : values) store.write(kAppName, target, key, value);
  }
}

// The shared elements in the order the designer saves them.
using Accessor = std::shared_ptr<Element> (*)();
constexpr Accessor kSaveOrder[] = {
    [] { return std::shared_ptr<Element>(globales::sharedCheckBox()); },
    [] { return std::shared_ptr<Element>(globales::sharedButton()); },
    [] { return std::shared_ptr<Element>(globales::sharedForm()); },
    [] { return std::shared_ptr<Element>(globales::sharedGrid()); },
    [] { return std::shared_ptr<Element>(globales::sharedLabel()); },
    [] { return std::shared_ptr<Element>(globales::sharedStatusBar()); },
    [] { return std::shared_ptr<Element>(globales::sharedTabStrip()); },
    [] { return std::shared_ptr<Element>(globales::sharedText()); },
    [] { return std::shared_ptr<Element>(globales::sharedToolBar()); },
    [] { return std::shared_ptr<Element>(globales::sharedShape()); },
};

}  // namespace

Listing list() { return listOf(detail::rawEntries()); }

std::optional<Entry> find(std::string_view name) { return findIn(detail::rawEntries(), name); }

void validateName(std::string_view name) {
  if (const char* problem = nameProblem(name)) throw refusal("theme name " + quoted(name) + " " + problem);
}

Entry add(std::string_view name) {
  Entry added;
  settingsStore().transaction([&] { added = addTo(detail::rawEntries(), name); });
  return added;
}

void remove(std::string_view name) {
  settingsStore().transaction([&] {
    const std::vector<std::string> keys = keysNamed(detail::rawEntries(), name);
    if (keys.empty()) throw notInCatalogue(name);
    for (const std::string& key : keys) settingsStore().erase(kAppName, kCatalogueSection, key);
    for (std::string_view word : sectionWords()) settingsStore().eraseSection(kAppName, elementSection(name, word));
  });
}

void rename(std::string_view oldName, std::string_view newName) {
  validateName(newName);
  settingsStore().transaction([&] {
    const SettingPairs entries = detail::rawEntries();
    const std::vector<std::string> keys = keysNamed(entries, oldName);
    if (keys.empty()) throw notInCatalogue(oldName);
    if (const auto taken = keysNamed(entries, newName); !taken.empty() && !text::equalsIgnoreCase(oldName, newName))
      throw refusal("theme " + quoted(newName) + " is already in the catalogue (" + placeOf(taken.front()) + ")");
    for (const std::string& key : keys) settingsStore().write(kAppName, kCatalogueSection, key, newName);
    moveSections(oldName, newName);
  });
  if (text::equalsIgnoreCase(globales::currentThemeName(), oldName)) globales::setCurrentThemeName(std::string(newName));
}

std::optional<Entry> saveCombination(std::string_view name, bool addEntry) {
  if (addEntry) validateName(name);
  const std::string previous = globales::currentThemeName();
  globales::setCurrentThemeName(std::string(name));
  std::optional<Entry> added;
  try {
    settingsStore().transaction([&] {
      if (addEntry) added = addTo(detail::rawEntries(), name);
      for (Accessor shared : kSaveOrder) shared()->Update();
    });
  } catch (...) {
    globales::setCurrentThemeName(previous);
    throw;
  }
  return added;
}

}  // namespace palvex::catalogue
