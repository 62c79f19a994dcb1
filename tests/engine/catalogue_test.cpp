// The catalogue operations, through the public headers and through Tema.

#include "palvex/catalogue.h"

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
  auto tema = Tema::create();
  EXPECT_EQ(tema->maxIndiceTema(), -1);
  EXPECT_EQ(catalogue::add("Default"), (Entry{0, "Default"}));  // not in the catalogue until saved

  addRaw("1", "Oscuro");
  addRaw("5", "Claro");
  addRaw("2.5", "Oscuro");  // a key read as the classic runtime reads it: 2
  EXPECT_EQ(catalogue::add("Azul claro"), (Entry{6, "Azul claro"}));
  EXPECT_EQ(tema->indiceTema("OSCURO"), 1) << "the first in store order";
  EXPECT_EQ(tema->indiceTema(" Default"), -1);
  EXPECT_EQ(tema->maxIndiceTema(), 6);

  EXPECT_PALVEX_ERROR(catalogue::add("oscuro"), ErrorNumber::InvalidCall,
                      "theme \"oscuro\" is already in the catalogue (index 1)");
  addRaw("32767", "Último");
  const SettingPairs full = raw();
  EXPECT_PALVEX_ERROR(catalogue::add("Otro"), ErrorNumber::Overflow, "the theme catalogue is full");
  EXPECT_EQ(raw(), full);
}

// A name that would not survive a section path or an INI file, and why.
struct BadName : testing::NamedRow {
  std::string text;
  const char* why;
};

class RefusedName : public CatalogueTest, public ::testing::WithParamInterface<BadName> {};

TEST_P(RefusedName, IsRefusedByEveryOperationThatTakesANewName) {
  const std::string& name = GetParam().text;
  const char* why = GetParam().why;
  addRaw("0", "Oscuro");
  EXPECT_PALVEX_ERROR(catalogue::add(name), ErrorNumber::InvalidCall, why);
  EXPECT_PALVEX_ERROR(catalogue::rename("Oscuro", name), ErrorNumber::InvalidCall, why);
  EXPECT_PALVEX_ERROR(catalogue::saveCombination(name, true), ErrorNumber::InvalidCall, why);
  EXPECT_EQ(raw(), (SettingPairs{{"0", "Oscuro"}}));
}

const BadName kBadNames[] = {
    {{"empty"}, "", "\"\" is empty"},
    {{"trailing blank"}, "Oscuro ", "starts or ends with a blank"},
    {{"leading tab"}, "\tOscuro", "\"\\tOscuro\" starts or ends with a blank"},
    {{"line break"}, "Dos\nlineas", "\"Dos\\nlineas\" holds a line break"},
    {{"carriage return"}, "Dos\rlineas", "holds a carriage return"},
    {{"closing bracket"}, "Corchete]", "holds ']'"},
    {{"backslash"}, "Barra\\Inversa", "holds '\\'"},
    {{"NUL"}, std::string("Nul\0dentro", 10), "\"Nul\\0dentro\" holds a NUL character"},
    {{"not UTF-8"}, "Caf\xe9", "is not valid UTF-8"},
};
INSTANTIATE_TEST_SUITE_P(Names, RefusedName, ::testing::ValuesIn(kBadNames), testing::RowName());

// Brackets other than ']', inner blanks, slashes and accents fit a section
// path; refusing them once kept users from naming themes as they wished.
TEST_F(CatalogueTest, NamesWithAnythingElseAreAccepted) {
  for (const char* fine : {"Azul claro", "Pestaña café", "[x", "a b\tc", "a/b"})
    EXPECT_NO_THROW(catalogue::validateName(fine)) << fine;
}

// "02" and "2" read as the same index; each must still find its own name.
TEST_F(CatalogueTest, KeysOfTheSameNumberKeepTheirOwnNames) {
  addRaw("02", "A");
  addRaw("2", "B");
  EXPECT_EQ(catalogue::find("B"), (Entry{2, "B"}));
  EXPECT_EQ(catalogue::find("a"), (Entry{2, "A"}));
}

TEST_F(CatalogueTest, ADamagedKeyHidesItsOwnThemeOnlyAndIsNamedWithItsStoreAndSection) {
  addRaw("0", "Default");
  addRaw("abc", "Raro");
  addRaw("40000", "Grande");
  addRaw("3", "Oscuro");

  EXPECT_EQ(catalogue::list().entries, (Entries{{0, "Default"}, {3, "Oscuro"}}));
  EXPECT_PALVEX_ERROR(catalogue::find("raro"), ErrorNumber::TypeMismatch, "catalogue key \"abc\"");
  auto tema = Tema::create();
  EXPECT_PALVEX_ERROR(tema->indiceTema("Grande"), ErrorNumber::Overflow, "Integer");
  EXPECT_PALVEX_ERROR(tema->maxIndiceTema(), ErrorNumber::TypeMismatch,
                      "catalogue key \"abc\" (application Orvane, section Palvex, store memory store");
  EXPECT_EQ(catalogue::add("Nuevo"), (Entry{4, "Nuevo"}));
  EXPECT_PALVEX_ERROR(catalogue::add("RARO"), ErrorNumber::InvalidCall,
                      "theme \"RARO\" is already in the catalogue (catalogue key \"abc\")");

  // The way out: a damaged entry can be removed like any other.
  for (const char* name : {"raro", "Grande"}) catalogue::remove(name);
  EXPECT_EQ(tema->maxIndiceTema(), 4);
}

TEST_F(CatalogueTest, RemoveAndRenameTakeEveryEntryOfTheNameWithItsSectionsAndLeaveTheRest) {
  addRaw("1", "Oscuro");
  addRaw("5", "Claro");
  addRaw("7", "OSCURO");
  storeValue("Oscuro", "BUTTON", "TabBackColor", "2");
  storeValue("Claro", "FORM", "BackColor", "3");
  storeValue("Claro", "GRID", "borderStyle", "1");

  catalogue::remove("oscuro");
  EXPECT_TRUE(section("Oscuro", "BUTTON").empty());
  EXPECT_EQ(catalogue::add("Nuevo").index, 6);
  EXPECT_PALVEX_ERROR(catalogue::remove("Oscuro"), ErrorNumber::InvalidCall, "no theme \"Oscuro\" in the catalogue");

  // A change of spelling alone reaches the entry and the sections too.
  catalogue::rename("CLARO", "NEGRO");
  catalogue::rename("negro", "Negro");
  EXPECT_EQ(raw(), (SettingPairs{{"5", "Negro"}, {"6", "Nuevo"}}));
  EXPECT_EQ(section("Negro", "GRID"), (SettingPairs{{"borderStyle", "1"}}));
  EXPECT_EQ(section("Negro", "FORM"), (SettingPairs{{"BackColor", "3"}}));
  EXPECT_PALVEX_ERROR(catalogue::rename("Negro", "nuevo"), ErrorNumber::InvalidCall,
                      "theme \"nuevo\" is already in the catalogue (index 6)");
}

TEST_F(CatalogueTest, RenamingTheCurrentThemeKeepsTheEngineOnItsValues) {
  auto tema = Tema::create();
  addRaw("0", "Oscuro");
  storeValue("Oscuro", "FORM", "BackColor", "77");
  tema->setTema("oscuro");
  globales::setReloadElements(false);       // the theme loaded, as the designer has it
  globales::sharedForm()->setBackColor(5);  // an unsaved edit
  catalogue::rename("Oscuro", "Negro");
  EXPECT_EQ(tema->getTema(), "Negro");
  EXPECT_EQ(tema->BackColor(), 5) << "a rename reloads nothing";
  globales::setCurrentThemeName("Otro");
  catalogue::rename("Negro", "Plata");
  EXPECT_EQ(tema->getTema(), "Otro");
}

class SaveCombinationTest : public CatalogueTest {
 protected:
  SaveCombinationTest() { installSettingsStore(watched_); }
  std::shared_ptr<testing::WatchedStore> watched_ = std::make_shared<testing::WatchedStore>();
  std::shared_ptr<Tema> tema_ = Tema::create();
};

TEST_F(SaveCombinationTest, AddsTheEntryThenSavesTheTenElements) {
  int events = 0;
  tema_->connectNuevoTema([&](Variant&) { ++events; });
  globales::sharedForm()->setBackColor(0x123456);  // an unsaved edit reaches the store

  EXPECT_EQ(catalogue::saveCombination("Nuevo", true), (Entry{0, "Nuevo"}));
  EXPECT_EQ(tema_->getTema(), "Nuevo");
  EXPECT_EQ(events, 0);
  EXPECT_EQ(watched_->writes.size(), 1u + 38u) << "the entry and every key of the ten elements";
  EXPECT_EQ(watched_->read(kAppName, "Palvex\\Nuevo\\FORM", "BackColor"), std::optional<std::string>("1193046"));

  // Over an existing theme typed in another spelling: no entry, the typed name becomes current.
  watched_->writes.clear();
  EXPECT_EQ(catalogue::saveCombination("NUEVO", false), std::nullopt);
  EXPECT_EQ(tema_->getTema(), "NUEVO");
  EXPECT_EQ(watched_->writes.size(), 38u);
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

  // Update alone is all or nothing too.
  watched_->beforeWrite = [written = 0](const testing::WatchedStore::Write&) mutable {
    if (++written == 3) throw Error(ErrorNumber::Storage, "disco lleno");
  };
  EXPECT_PALVEX_ERROR(CCommandButton::create()->Update(), ErrorNumber::Storage, "disco lleno");
  EXPECT_TRUE(watched_->enumerate(kAppName, "Palvex\\Default\\BUTTON").empty());
}

}  // namespace
}  // namespace palvex
