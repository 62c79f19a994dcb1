// The catalogue operations, through the public headers.

#include "palvex/catalogue.h"

#include <stdexcept>

#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/settings.h"
#include "palvex/tema.h"
#include "support/test_env.h"
#include "support/watched_store.h"

namespace palvex {
namespace {

using catalogue::Entry;
using Entries = std::vector<Entry>;

class CatalogueTest : public testing::EngineTest {
 protected:
  void addRaw(const std::string& key, const std::string& name) { store().write(kAppName, kCatalogueSection, key, name); }
  void storeValue(const std::string& theme, const char* word, const char* key, const char* value) {
    store().write(kAppName, elementSection(theme, word), key, value);
  }
  SettingPairs section(const std::string& theme, const char* word) {
    return store().enumerate(kAppName, elementSection(theme, word));
  }
  SettingPairs raw() { return store().enumerate(kAppName, kCatalogueSection); }
};

TEST_F(CatalogueTest, AddTakesTheIndexAfterTheHighestAndRefusesDuplicatesAndAFullCatalogue) {
  EXPECT_TRUE(catalogue::list().entries.empty());
  EXPECT_EQ(catalogue::find("Default"), std::nullopt);
  EXPECT_EQ(catalogue::add("Default"), (Entry{0, "Default"}));  // not in the catalogue until saved

  addRaw("1", "Oscuro");
  addRaw("5", "Claro");
  EXPECT_EQ(catalogue::add("Azul claro"), (Entry{6, "Azul claro"}));
  EXPECT_EQ(catalogue::list().entries,
            (Entries{{0, "Default"}, {1, "Oscuro"}, {5, "Claro"}, {6, "Azul claro"}}));
  EXPECT_EQ(catalogue::find("AZUL CLARO"), (Entry{6, "Azul claro"}));
  EXPECT_EQ(Tema::create()->indiceTema("azul claro"), 6);

  EXPECT_PALVEX_ERROR(catalogue::add("oscuro"), ErrorNumber::InvalidCall,
                      "theme \"oscuro\" is already in the catalogue (index 1)");
  addRaw("32767", "Último");
  const SettingPairs full = raw();
  EXPECT_PALVEX_ERROR(catalogue::add("Otro"), ErrorNumber::Overflow, "the theme catalogue is full");
  EXPECT_EQ(raw(), full);
}

TEST_F(CatalogueTest, NamesThatWouldNotSurviveASectionPathOrAnIniFileAreRefusedEverywhere) {
  const std::pair<std::string, const char*> refused[] = {
      {"", "\"\" is empty"},
      {" Oscuro", "starts or ends with a blank"},
      {"Oscuro ", "starts or ends with a blank"},
      {"\tOscuro", "\"\\tOscuro\" starts or ends with a blank"},
      {"Dos\nlineas", "\"Dos\\nlineas\" holds a line break"},
      {"Dos\rlineas", "holds a carriage return"},
      {"Corchete]", "holds ']'"},
      {"Barra\\Inversa", "holds '\\'"},
      {std::string("Nul\0dentro", 10), "\"Nul\\0dentro\" holds a NUL character"},
      {"Caf\xe9", "is not valid UTF-8"},
  };
  addRaw("0", "Oscuro");
  for (const auto& [name, why] : refused) {
    SCOPED_TRACE(why);
    EXPECT_PALVEX_ERROR(catalogue::validateName(name), ErrorNumber::InvalidCall, why);
    EXPECT_PALVEX_ERROR(catalogue::add(name), ErrorNumber::InvalidCall, why);
    EXPECT_PALVEX_ERROR(catalogue::rename("Oscuro", name), ErrorNumber::InvalidCall, why);
    EXPECT_PALVEX_ERROR(catalogue::saveCombination(name, true), ErrorNumber::InvalidCall, why);
    EXPECT_EQ(raw(), (SettingPairs{{"0", "Oscuro"}}));
  }
  for (const char* fine : {"Azul claro", "Pestaña café", "[x", "a b\tc", "a/b"}) EXPECT_NO_THROW(catalogue::validateName(fine));
}

TEST_F(CatalogueTest, ADamagedKeyHidesItsOwnThemeOnlyAndIsNamedWithItsStoreAndSection) {
  addRaw("0", "Default");
  addRaw("abc", "Raro");
  addRaw("40000", "Grande");
  addRaw("1e400", "Enorme");
  addRaw("3", "Oscuro");

  const auto listing = catalogue::list();
  EXPECT_EQ(listing.entries, (Entries{{0, "Default"}, {3, "Oscuro"}}));
  ASSERT_EQ(listing.unreadable.size(), 3u);
  const std::tuple<const char*, const char*, ErrorNumber> damaged[] = {
      {"abc", "Raro", ErrorNumber::TypeMismatch},
      {"40000", "Grande", ErrorNumber::Overflow},
      {"1e400", "Enorme", ErrorNumber::Overflow},
  };
  for (std::size_t i = 0; i < std::size(damaged); ++i) {
    const auto& [key, name, number] = damaged[i];
    const auto& entry = listing.unreadable[i];
    EXPECT_EQ(entry.key, key);
    EXPECT_EQ(entry.name, name);
    EXPECT_EQ(entry.error.number(), number) << entry.error.what();
    const std::string message = entry.error.what();
    for (const std::string& fragment : {std::string("catalogue key \"") + key + "\"", std::string("section Palvex"),
                                       std::string("store memory store")})
      EXPECT_NE(message.find(fragment), std::string::npos) << message;
  }

  EXPECT_EQ(catalogue::find("oscuro"), (Entry{3, "Oscuro"}));
  EXPECT_PALVEX_ERROR(catalogue::find("raro"), ErrorNumber::TypeMismatch, "catalogue key \"abc\"");
  auto tema = Tema::create();
  EXPECT_EQ(tema->indiceTema("Oscuro"), 3);
  EXPECT_PALVEX_ERROR(tema->maxIndiceTema(), ErrorNumber::TypeMismatch, "catalogue key \"abc\"");
  EXPECT_EQ(catalogue::add("Nuevo"), (Entry{4, "Nuevo"}));
  EXPECT_PALVEX_ERROR(catalogue::add("RARO"), ErrorNumber::InvalidCall,
                      "theme \"RARO\" is already in the catalogue (catalogue key \"abc\")");

  // The way out: a damaged entry can be renamed and removed like any other.
  catalogue::rename("raro", "Extraño");
  EXPECT_EQ(catalogue::list().unreadable.front().name, "Extraño");
  for (const char* name : {"Extraño", "Grande", "Enorme"}) catalogue::remove(name);
  EXPECT_TRUE(catalogue::list().unreadable.empty());
  EXPECT_EQ(tema->maxIndiceTema(), 4);
}

TEST_F(CatalogueTest, KeysOfTheSameNumberKeepTheirOwnNames) {
  addRaw("02", "A");
  addRaw("2", "B");
  EXPECT_EQ(catalogue::find("B"), (Entry{2, "B"}));
  EXPECT_EQ(catalogue::find("a"), (Entry{2, "A"}));
  EXPECT_EQ(catalogue::list().entries, (Entries{{2, "A"}, {2, "B"}}));
}

TEST_F(CatalogueTest, RemoveTakesEveryEntryOfTheNameAndItsSectionsAndLeavesTheRest) {
  addRaw("0", "Default");
  addRaw("1", "Oscuro");
  addRaw("5", "Claro");
  addRaw("7", "OSCURO");
  storeValue("Oscuro", "FORM", "BackColor", "1");
  storeValue("Oscuro", "BUTTON", "TabBackColor", "2");
  storeValue("Claro", "FORM", "BackColor", "3");

  catalogue::remove("oscuro");
  EXPECT_EQ(raw(), (SettingPairs{{"0", "Default"}, {"5", "Claro"}}));
  for (const char* word : {"FORM", "BUTTON"}) EXPECT_TRUE(section("Oscuro", word).empty()) << word;
  EXPECT_EQ(section("Claro", "FORM"), (SettingPairs{{"BackColor", "3"}}));
  EXPECT_EQ(catalogue::add("Nuevo").index, 6);

  EXPECT_PALVEX_ERROR(catalogue::remove("Oscuro"), ErrorNumber::InvalidCall, "no theme \"Oscuro\" in the catalogue");
}

TEST_F(CatalogueTest, RenameKeepsIndexAndPlaceAndMovesTheSectionsAlong) {
  addRaw("0", "Default");
  addRaw("1", "Oscuro");
  addRaw("5", "Claro");
  storeValue("Oscuro", "FORM", "BackColor", "1");
  storeValue("Oscuro", "FORM", "MenuColor", "2");
  storeValue("Oscuro", "GRID", "borderStyle", "1");
  storeValue("Claro", "FORM", "BackColor", "3");

  catalogue::rename("OSCURO", "Negro");
  EXPECT_EQ(raw(), (SettingPairs{{"0", "Default"}, {"1", "Negro"}, {"5", "Claro"}}));
  EXPECT_EQ(section("Negro", "FORM"), (SettingPairs{{"BackColor", "1"}, {"MenuColor", "2"}}));
  EXPECT_EQ(section("Negro", "GRID"), (SettingPairs{{"borderStyle", "1"}}));
  EXPECT_TRUE(section("Oscuro", "FORM").empty());
  EXPECT_EQ(section("Claro", "FORM"), (SettingPairs{{"BackColor", "3"}}));

  // A change of spelling alone reaches the entry and the sections.
  catalogue::rename("negro", "NEGRO");
  EXPECT_EQ(raw()[1], (std::pair<std::string, std::string>{"1", "NEGRO"}));
  EXPECT_EQ(section("negro", "FORM").size(), 2u);

  EXPECT_PALVEX_ERROR(catalogue::rename("Negro", "claro"), ErrorNumber::InvalidCall,
                      "theme \"claro\" is already in the catalogue (index 5)");
  EXPECT_PALVEX_ERROR(catalogue::rename("Gris", "Plata"), ErrorNumber::InvalidCall, "no theme \"Gris\"");
  EXPECT_EQ(section("NEGRO", "FORM").size(), 2u);
}

TEST_F(CatalogueTest, RenamingTheCurrentThemeKeepsTheEngineOnItsValues) {
  auto tema = Tema::create();
  addRaw("0", "Oscuro");
  storeValue("Oscuro", "FORM", "BackColor", "77");
  tema->setTema("oscuro");
  catalogue::rename("Oscuro", "Negro");
  EXPECT_EQ(tema->getTema(), "Negro");
  EXPECT_EQ(tema->BackColor(), 77);
  catalogue::rename("Negro", "Gris");
  globales::setCurrentThemeName("Otro");
  catalogue::rename("Gris", "Plata");
  EXPECT_EQ(tema->getTema(), "Otro");
}

// Every stored key of the ten shared elements, in the order Update writes them.
std::vector<std::string> savedSectionWords(const std::vector<testing::WatchedStore::Write>& writes) {
  std::vector<std::string> words;
  for (const auto& w : writes) {
    const std::string word = w.section.substr(w.section.rfind('\\') + 1);
    if (words.empty() || words.back() != word) words.push_back(word);
  }
  return words;
}

class SaveCombinationTest : public CatalogueTest {
 protected:
  SaveCombinationTest() { installSettingsStore(watched_); }
  std::shared_ptr<testing::WatchedStore> watched_ = std::make_shared<testing::WatchedStore>();
  std::shared_ptr<Tema> tema_ = Tema::create();
};

TEST_F(SaveCombinationTest, AddsTheEntryThenSavesTheTenElementsInTheDesignersOrder) {
  int events = 0;
  tema_->connectNuevoTema([&](Variant&) { ++events; });
  globales::sharedForm()->setBackColor(0x123456);  // an unsaved edit reaches the store

  EXPECT_EQ(catalogue::saveCombination("Nuevo", true), (Entry{0, "Nuevo"}));
  EXPECT_EQ(tema_->getTema(), "Nuevo");
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(globales::reloadElements());
  ASSERT_FALSE(watched_->writes.empty());
  EXPECT_EQ(watched_->writes.front(), (testing::WatchedStore::Write{"Palvex", "0", "Nuevo"}));
  watched_->writes.erase(watched_->writes.begin());
  EXPECT_EQ(savedSectionWords(watched_->writes),
            (std::vector<std::string>{"CHECK", "BUTTON", "FORM", "GRID", "LABEL", "STATUSBAR", "BUTTON", "TEXT",
                                      "TOOLBAR", "SHAPE"}));
  std::size_t keys = 0;
  for (const ElementTable* table : elementTables()) keys += table->properties.size();
  EXPECT_EQ(watched_->writes.size(), keys);
  for (const auto& w : watched_->writes) EXPECT_TRUE(w.section.starts_with("Palvex\\Nuevo\\")) << w.section;
  EXPECT_EQ(watched_->read(kAppName, "Palvex\\Nuevo\\FORM", "BackColor"), std::optional<std::string>("1193046"));

  // Over an existing theme typed in another spelling: no entry, the typed name becomes current.
  watched_->writes.clear();
  EXPECT_EQ(catalogue::saveCombination("NUEVO", false), std::nullopt);
  EXPECT_EQ(tema_->getTema(), "NUEVO");
  EXPECT_EQ(watched_->writes.size(), keys);
  EXPECT_EQ(catalogue::list().entries, (Entries{{0, "Nuevo"}}));
}

TEST_F(SaveCombinationTest, AFailingWriteLeavesTheStoreAndTheCurrentNameAsTheyWere) {
  watched_->write(kAppName, kCatalogueSection, "4", "Oscuro");
  watched_->write(kAppName, "Palvex\\Nuevo\\CHECK", "foreColor", "5");
  const SettingPairs catalogueBefore = watched_->enumerate(kAppName, kCatalogueSection);
  watched_->beforeWrite = [](const testing::WatchedStore::Write& w) {
    if (w.section.ends_with("\\SHAPE")) throw Error(ErrorNumber::Storage, "disco lleno");
  };
  globales::sharedCheckBox()->setForeColor(9);

  EXPECT_PALVEX_ERROR(catalogue::saveCombination("Nuevo", true), ErrorNumber::Storage, "disco lleno");
  EXPECT_EQ(tema_->getTema(), "Default");
  EXPECT_EQ(watched_->enumerate(kAppName, kCatalogueSection), catalogueBefore);
  EXPECT_EQ(watched_->enumerate(kAppName, "Palvex\\Nuevo\\CHECK"), (SettingPairs{{"foreColor", "5"}}));
  EXPECT_TRUE(watched_->enumerate(kAppName, "Palvex\\Nuevo\\FORM").empty());
}

TEST_F(SaveCombinationTest, UpdateAloneIsAllOrNothing) {
  auto button = CCommandButton::create();
  watched_->write(kAppName, "Palvex\\Default\\BUTTON", "foreColor", "5");
  int written = 0;
  watched_->beforeWrite = [&](const testing::WatchedStore::Write&) {
    if (++written == 3) throw Error(ErrorNumber::Storage, "disco lleno");
  };
  EXPECT_PALVEX_ERROR(button->Update(), ErrorNumber::Storage, "disco lleno");
  EXPECT_EQ(watched_->enumerate(kAppName, "Palvex\\Default\\BUTTON"), (SettingPairs{{"foreColor", "5"}}));
}

}  // namespace
}  // namespace palvex
